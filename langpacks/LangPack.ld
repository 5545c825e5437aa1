/* Image layout of the language packs: code, the export table and the
   resources, nothing else. The toolchain's default layout would add an
   import directory (holding only its terminator) to a module that imports
   nothing. The relocation section stays, empty, so the pack loads at any
   address. */
SECTIONS
{
  . = SIZEOF_HEADERS;
  . = ALIGN(__section_alignment__);
  .text __image_base__ + ( __section_alignment__ < 0x1000 ? . : __section_alignment__ ) :
  {
    *(.text) *(.text.*)
  }
  .edata BLOCK(__section_alignment__) : { *(.edata) }
  .rsrc BLOCK(__section_alignment__) : { KEEP (*(.rsrc)) KEEP (*(.rsrc$*)) }
  .reloc BLOCK(__section_alignment__) : { *(.reloc) }
  /DISCARD/ : { *(*) }
}
