// The sprite sheets' pixels, decoded when the program was built (tools/spritepack), linked
// in as read-only data aligned for QImage.
    .section .rodata
    .balign 64
    .globl q417_packed_sprites
q417_packed_sprites:
    .incbin Q417_PACKED_SPRITES_FILE
    .section .note.GNU-stack,"",@progbits
