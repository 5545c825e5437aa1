/* The code of every language pack: an entry point that lets every load
   succeed, and GetLangID, which names the language of the pack's resources.
   PACK_LANGID comes from the build, one value per pack. */
#include <windows.h>

BOOL WINAPI LangPackEntry(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}

WORD GetLangID(void)
{
    return PACK_LANGID;
}
