; 2000.exe: the year-2000 clock test as a DOS program. A minimal MZ header (no relocations)
; in front of code that addresses everything relative to its own segment.

%define TARGET_DOS
STACK_BYTES     equ 2048

section header start=0 vstart=0
        db 'MZ'
        dw FILE_SIZE % 512                      ; bytes in the last page
        dw (FILE_SIZE + 511) / 512              ; pages
        dw 0                                    ; relocations
        dw HEADER_SIZE / 16                     ; header paragraphs
        dw STACK_BYTES / 16                     ; paragraphs needed beyond the image
        dw STACK_BYTES / 16                     ; and wanted
        dw 0                                    ; SS, relative to the image
        dw STACK_TOP                            ; SP
        dw 0                                    ; checksum
        dw dos_start                            ; IP
        dw 0                                    ; CS, relative to the image
        dw 1Ch                                  ; relocation table offset
        dw 0                                    ; overlay
        times 32 - ($ - $$) db 0
HEADER_SIZE     equ 32

section program start=HEADER_SIZE vstart=0 align=16
program_start:

dos_start:
        ; DS = ES = PSP: copy the command tail before switching to our own segment
        mov ax, cs
        mov es, ax
        mov si, 81h
        mov di, cmdline
        mov cl, [80h]
        xor ch, ch
        cmp cx, 126
        jbe .copy
        mov cx, 126
.copy:  cld
        rep movsb
        xor al, al
        stosb
        mov ax, cs
        mov ds, ax
        jmp main

; quit: ends the program with the exit code in AL.
quit:
        mov ah, 4Ch
        int 21h

cmdline         times 128 db 0

%include "main.inc"

program_end:
IMAGE_SIZE      equ program_end - program_start
FILE_SIZE       equ HEADER_SIZE + IMAGE_SIZE
STACK_TOP       equ ((IMAGE_SIZE + 15) & ~15) + STACK_BYTES
