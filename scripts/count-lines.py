#!/usr/bin/env python3
"""Counts non-blank, non-comment C++ lines (.cpp/.h) per folder and the tests' share of them.

  scripts/count-lines.py [ROOT]
"""
import os, re, sys

root = sys.argv[1] if len(sys.argv) > 1 else '.'


def code_lines(path):
    n, in_block = 0, False
    with open(path, encoding='utf-8', errors='replace') as f:
        for line in f:
            s = line.strip()
            if in_block:
                if '*/' not in s:
                    continue
                s, in_block = s.split('*/', 1)[1].strip(), False
            if s.startswith('/*'):
                if '*/' not in s:
                    in_block = True
                    continue
                s = s.split('*/', 1)[1].strip()
            if s and not s.startswith('//'):
                n += 1
    return n


folders = {}
for top in ('src', 'tools', 'tests'):
    for d, _, files in os.walk(os.path.join(root, top)):
        for name in files:
            if name.endswith(('.cpp', '.h')):
                rel = os.path.relpath(d, root).split(os.sep)
                key = '/'.join(rel[:2])
                folders[key] = folders.get(key, 0) + code_lines(os.path.join(d, name))
for key in sorted(folders):
    print(f'{folders[key]:7d}  {key}')
code = sum(v for k, v in folders.items() if not k.startswith('tests'))
tests = sum(v for k, v in folders.items() if k.startswith('tests'))
print(f'{code:7d}  src + tools\n{tests:7d}  tests\ntests are {100 * tests / (code + tests):.1f} % of all')
