; The year-2000 clock test as a bootable 1.44 MB floppy image: a boot sector that loads the
; test from the sectors behind it, then the test itself. The report goes to the screen and
; to the first serial port; the last line there is "EXIT n" with the exit code, which is also
; written to port 501h (an emulator's debug-exit device ends with it), then the PC halts.

%define TARGET_BOOT
LOAD_SEGMENT    equ 1000h
SECTORS_PER_TRACK equ 18
HEADS           equ 2
IMAGE_BYTES     equ 1474560

section boot start=0 vstart=7C00h
        cpu 8086
boot:
        cli
        xor ax, ax
        mov ds, ax
        mov ss, ax
        mov sp, 7C00h
        sti
        cld
        mov [boot_drive], dl
        mov ax, LOAD_SEGMENT
        mov es, ax
        xor bx, bx
        mov si, 1                       ; LBA of the next sector
        mov di, PROGRAM_SECTORS
.sector:
        mov bp, 4                       ; tries
.try:   mov ax, si                      ; LBA -> cylinder, head, sector
        xor dx, dx
        mov cx, SECTORS_PER_TRACK
        div cx
        inc dl
        mov cl, dl                      ; sector
        xor dx, dx
        mov ch, HEADS
        push bx
        mov bl, ch
        xor bh, bh
        div bx
        pop bx
        mov ch, al                      ; cylinder
        mov dh, dl                      ; head
        mov dl, [boot_drive]
        mov ax, 0201h
        int 13h
        jnc .next
        xor ah, ah                      ; reset the drive and try again
        mov dl, [boot_drive]
        int 13h
        dec bp
        jnz .try
        mov si, boot_error
.msg:   lodsb
        or al, al
        jz .halt
        mov ah, 0Eh
        mov bx, 7
        int 10h
        jmp .msg
.halt:  hlt
        jmp .halt
.next:  add bx, 512
        inc si
        dec di
        jnz .sector
        mov dl, [boot_drive]
        jmp LOAD_SEGMENT:boot_start

boot_drive      db 0
boot_error      db 'Cannot read the floppy.', 0
        times 510 - ($ - $$) db 0
        dw 0AA55h

section program start=512 vstart=0
program_start:

boot_start:
        cli
        mov ax, cs
        mov ds, ax
        mov es, ax
        mov ss, ax
        mov sp, 0FFFEh
        sti
        jmp main

; quit: reports the exit code in AL on the screen and the serial port, hands it to the
; debug-exit port and halts.
quit:
        push ax
        mov si, msg_exit
        call puts
        xor ah, ah
        call put_dec
        call newline
        pop ax
        mov dx, 501h
        out dx, al
.halt:  cli
        hlt
        jmp .halt

msg_exit        db 'EXIT ', 0

; The options of a DOS command line, for a test image: the text after the marker.
                db 'OSTREVAN-BOOT-OPTIONS:'
cmdline         times 64 db 0

%include "main.inc"

program_end:
PROGRAM_SECTORS equ (program_end - program_start + 511) / 512
        times IMAGE_BYTES - 512 - ($ - $$) db 0
