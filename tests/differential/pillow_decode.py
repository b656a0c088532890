#!/usr/bin/env python3
"""Decodes DIR/0.ico .. DIR/(N-1).ico with Pillow and writes each one's pixels as DIR/K.rgba
(width and height as 16-bit little-endian numbers, then RGBA rows top to bottom); a file Pillow
refuses gets no .rgba. Of an icon file holding several images, the 32 x 32 one is taken. Used by the icon decoder's differential test."""
import os
import struct
import sys
import warnings

from PIL import Image

# Pillow warns, and goes on, when a bitmap is shorter than its header says; that is a refusal.
warnings.simplefilter('error')
folder, count = sys.argv[1], int(sys.argv[2])
for k in range(count):
    try:
        with Image.open(os.path.join(folder, f'{k}.ico')) as im:
            if (32, 32) in im.info.get('sizes', ()):
                im.size = (32, 32)  # of several sizes, the icon's own
            im.load()
            rgba = im.convert('RGBA')
            data = struct.pack('<HH', *rgba.size) + rgba.tobytes()
    except Exception:  # any refusal: damaged, cut short, unsupported
        continue
    with open(os.path.join(folder, f'{k}.rgba'), 'wb') as out:
        out.write(data)
