; Test fixture: a boot floppy with just enough of DOS to run the shipped 2000.exe under an
; emulator. The boot sector loads the rest of this loader, then the program file stored
; from sector EXE_LBA on; it lays the MZ image out behind a PSP (with the command tail
; CMDTAIL), applies its relocations and starts it. INT 21h offers what the program uses:
; write to a handle (to the serial port), exit (reported as "EXIT n"), get/set vector,
; versions, and the DOS date and time, kept as DOS keeps them and passed to the BIOS clock.
; With WINDOWS defined, INT 2Fh says Windows 4.x is running.
;   nasm -f bin -DEXE_SECTORS=n [-DCMDTAIL="'/12'"] [-DWINDOWS] minidos.asm

        cpu 8086
        org 7C00h

EXE_LBA         equ 16
FILE_SEG        equ 2000h
PSP_SEG         equ 3000h
LOAD_SEG        equ PSP_SEG + 10h
COM1            equ 3F8h
%ifndef CMDTAIL
%define CMDTAIL ''
%endif

boot:
        cli
        xor ax, ax
        mov ds, ax
        mov es, ax
        mov ss, ax
        mov sp, 7C00h
        sti
        cld
        mov [drive], dl
        mov bx, 7E00h                   ; the rest of the loader
        mov si, 1
        mov di, EXE_LBA - 1
        call read_sectors
        jmp loader

; read_sectors: DI sectors from LBA SI to ES:BX (advances ES, not BX, past each sector).
read_sectors:
.sector:
        mov ax, si
        xor dx, dx
        mov cx, 18
        div cx
        inc dl
        mov cl, dl
        xor dx, dx
        push bx
        mov bx, 2
        div bx
        pop bx
        mov ch, al
        mov dh, dl
        mov dl, [drive]
        mov ax, 0201h
        int 13h
        jc .fail
        mov ax, es
        add ax, 20h
        mov es, ax
        inc si
        dec di
        jnz .sector
        ret
.fail:  mov al, 'R'
        call serial
        cli
        hlt

; serial: AL to the first serial port.
serial:
        push ax
        push cx
        push dx
        mov ah, al
        mov cx, 0FFFFh
        mov dx, COM1 + 5
.wait:  in al, dx
        test al, 20h
        jnz .send
        loop .wait
.send:  mov dx, COM1
        mov al, ah
        out dx, al
        pop dx
        pop cx
        pop ax
        ret

drive           db 0
        times 510 - ($ - $$) db 0
        dw 0AA55h

loader:
        mov ax, FILE_SEG
        mov es, ax
        xor bx, bx
        mov si, EXE_LBA
        mov di, EXE_SECTORS
        call read_sectors
        mov ax, FILE_SEG
        mov ds, ax
        cmp word [0], 'MZ'
        je .mz
        mov al, 'M'
        call serial
        cli
        hlt
.mz:    ; the load module: pages * 512, less the unused end of the last page, less the header
        mov ax, [4]
        mov cl, 9
        shl ax, cl
        mov dx, [2]
        or dx, dx
        jz .whole
        sub ax, 512
        add ax, dx
.whole: mov si, [8]
        mov cl, 4
        shl si, cl                      ; header bytes
        sub ax, si
        mov cx, ax
        mov ax, LOAD_SEG
        mov es, ax
        xor di, di
        rep movsb                       ; DS:SI = the module in the file
        ; relocations: add the load segment to each word they point at
        mov cx, [6]
        mov si, [18h]
        jcxz .psp
.reloc: mov di, [si]
        mov ax, [si + 2]
        add ax, LOAD_SEG
        mov es, ax
        add word [es:di], LOAD_SEG
        add si, 4
        loop .reloc
.psp:   mov ax, PSP_SEG
        mov es, ax
        mov word [es:0], 20CDh
        push ds
        push cs
        pop ds
        mov si, tail
        mov di, 80h
        mov cx, tail_end - tail + 1
        rep movsb
        mov byte [es:di], 0Dh
        ; DOS keeps its own date, read from the BIOS clock at start
        mov ah, 04h
        int 1Ah
        mov al, ch
        call from_bcd
        mov bl, 100
        mul bl
        mov bx, ax
        mov al, cl
        call from_bcd
        xor ah, ah
        add ax, bx
        mov [dos_year], ax
        mov al, dh
        call from_bcd
        mov [dos_mon], al
        mov al, dl
        call from_bcd
        mov [dos_day], al
        ; vectors
        xor ax, ax
        mov es, ax
        cli
        mov word [es:21h * 4], dos21
        mov [es:21h * 4 + 2], cs
%ifdef WINDOWS
        mov word [es:2Fh * 4], multiplex
        mov [es:2Fh * 4 + 2], cs
%endif
        pop ds                          ; the file's segment
        mov ax, [0Eh]
        add ax, LOAD_SEG
        mov bx, [10h]
        mov cx, [16h]
        add cx, LOAD_SEG
        mov dx, [14h]
        mov ss, ax
        mov sp, bx
        sti
        mov ax, PSP_SEG
        mov ds, ax
        mov es, ax
        push cx
        push dx
        xor ax, ax
        retf

tail            db tail_end - tail - 1, CMDTAIL
tail_end:

%ifdef WINDOWS
multiplex:
        cmp ax, 1600h
        jne .other
        mov al, 04h
.other: iret
%endif

; from_bcd / to_bcd: AL between BCD and binary.
from_bcd:
        push cx
        mov ch, al
        and ch, 0Fh
        mov cl, 4
        shr al, cl
        mov cl, 10
        mul cl
        add al, ch
        pop cx
        ret
to_bcd:
        push cx
        aam
        mov cl, 4
        shl ah, cl
        or al, ah
        pop cx
        ret

dos21:
        sti
        cmp ah, 40h
        je .write
        cmp ah, 4Ch
        je .exit
        cmp ah, 25h
        je .setvec
        cmp ah, 35h
        je .getvec
        cmp ah, 30h
        je .version
        cmp ah, 33h
        je .true_version
        cmp ah, 2Ah
        je .getdate
        cmp ah, 2Bh
        je .setdate
        cmp ah, 2Dh
        je .settime
        stc
        retf 2
.write: push cx
        push si
        mov si, dx
        jcxz .wrote
.byte:  lodsb
        call serial
        loop .byte
.wrote: pop si
        pop ax                          ; AX = bytes written
        clc
        retf 2
.exit:  push cs
        pop ds
        mov ah, al
        mov si, exit_text
.text:  lodsb
        or al, al
        jz .code
        call serial
        jmp .text
.code:  mov al, ah
        xor ah, ah
        mov bl, 10
        xor cx, cx
.div:   div bl
        push ax
        inc cx
        xor ah, ah
        or al, al
        jnz .div
.digit: pop ax
        mov al, ah
        add al, '0'
        call serial
        loop .digit
        mov al, 13
        call serial
        mov al, 10
        call serial
.halt:  cli
        hlt
        jmp .halt
.setvec:
        push bx
        push es
        xor bx, bx
        mov es, bx
        mov bl, al
        shl bx, 1
        shl bx, 1
        mov [es:bx], dx
        mov [es:bx + 2], ds
        pop es
        pop bx
        clc
        retf 2
.getvec:
        push ax
        xor bx, bx
        mov es, bx
        mov bl, al
        shl bx, 1
        shl bx, 1
        les bx, [es:bx]
        pop ax
        clc
        retf 2
.version:
        mov ax, 1606h                   ; DOS 6.22
        xor bx, bx
        xor cx, cx
        retf 2
.true_version:
        cmp al, 06h
        jne .dl0
        mov bx, 1606h
        xor dx, dx
        retf 2
.dl0:   xor dl, dl
        retf 2
.getdate:
        mov cx, [cs:dos_year]
        mov dh, [cs:dos_mon]
        mov dl, [cs:dos_day]
        xor al, al
        retf 2
.setdate:
        cmp cx, 1980
        jb .bad
        cmp cx, 2099
        ja .bad
        cmp dh, 1
        jb .bad
        cmp dh, 12
        ja .bad
        cmp dl, 1
        jb .bad
        push bx
        mov bl, dh
        xor bh, bh
        mov al, [cs:month_days + bx - 1]
        pop bx
        cmp dh, 2
        jne .dim
        test cl, 3                      ; leap years 1980-2099: every fourth
        jnz .dim
        inc al
.dim:   cmp dl, al
        ja .bad
        mov [cs:dos_year], cx
        mov [cs:dos_mon], dh
        mov [cs:dos_day], dl
        push cx
        push dx
        mov ax, cx                      ; and the BIOS clock
        mov cl, 100
        div cl
        mov cl, ah
        call to_bcd
        mov ch, al
        mov al, cl
        call to_bcd
        mov cl, al
        mov al, dh
        call to_bcd
        mov dh, al
        mov al, dl
        call to_bcd
        mov dl, al
        mov ah, 05h
        int 1Ah
        pop dx
        pop cx
        xor al, al
        retf 2
.bad:   mov al, 0FFh
        retf 2
.settime:
        cmp ch, 23
        ja .bad
        cmp cl, 59
        ja .bad
        cmp dh, 59
        ja .bad
        push cx
        push dx
        mov al, ch
        call to_bcd
        mov ch, al
        mov al, cl
        call to_bcd
        mov cl, al
        mov al, dh
        call to_bcd
        mov dh, al
        xor dl, dl
        mov ah, 03h
        int 1Ah
        pop dx
        pop cx
        xor al, al
        retf 2

exit_text       db 'EXIT ', 0
month_days      db 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31
dos_year        dw 0
dos_mon         db 0
dos_day         db 0
        times EXE_LBA * 512 - ($ - $$) db 0
