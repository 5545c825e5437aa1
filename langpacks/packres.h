/* Shared definitions of the language pack resource scripts. Control classes
   are given as the predefined class atoms so the templates store ordinals. */
#define CLS_BUTTON   0x80
#define CLS_EDIT     0x81
#define CLS_STATIC   0x82
#define CLS_LISTBOX  0x83
#define CLS_COMBOBOX 0x85
#define WS_VISIBLE   0x10000000
