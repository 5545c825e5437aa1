// The 31 language packs, each held against the English pack and the rules
// every pack keeps: resource-only DLL with one export, resources under the
// pack's own language only, the same controls and menu items, the pack's
// layout and styles, the string forms, and every text translated.
#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include "support/Isolation.h"
#include "support/PeImage.h"
#include "support/ResourceReader.h"

namespace {

struct Pack {
    const char* file;
    WORD langid;
    const wchar_t* menuTitle;
    short pageWidth;
};

const Pack kPacks[] = {
    {"ORVResourceArSa", 0x0401, L"\u062A\u062E\u0635\u064A\u0635", 230},
    {"ORVResourceZhCn", 0x0804, L"\u81EA\u5B9A\u4E49", 230},
    {"ORVResourceHr", 0x041A, L"Prilagodi", 237},
    {"ORVResourceCs", 0x0405, L"Vlastn\u00ED nastaven\u00ED", 230},
    {"ORVResourceDa", 0x0406, L"Tilpas", 230},
    {"ORVResourceNl", 0x0413, L"Aanpassen", 230},
    {"ORVResourceEn", 0x0409, L"Customize", 230},
    {"ORVResourceEt", 0x0425, L"Kohanda", 230},
    {"ORVResourceFi", 0x040B, L"Mukauta", 230},
    {"ORVResourceFr", 0x040C, L"Personnaliser", 255},
    {"ORVResourceDe", 0x0407, L"Anpassen", 240},
    {"ORVResourceEl", 0x0408, L"\u03A0\u03C1\u03BF\u03C3\u03B1\u03C1\u03BC\u03BF\u03B3\u03AE", 230},
    {"ORVResourceHe", 0x040D, L"\u05D4\u05EA\u05D0\u05DE\u05D4 \u05D0\u05D9\u05E9\u05D9\u05EA", 230},
    {"ORVResourceHu", 0x040E, L"Testreszab\u00E1s", 230},
    {"Kestrum.ResourceIt", 0x0410, L"Personalizza", 230},
    {"ORVResourceJa", 0x0411, L"\u30E6\u30FC\u30B6\u30FC\u8A2D\u5B9A", 230},
    {"ORVResourceKo", 0x0412, L"\uC0AC\uC6A9\uC790 \uC9C0\uC815", 230},
    {"ORVResourceLv", 0x0426, L"Piel\u0101got", 230},
    {"ORVResourceLt", 0x0427, L"Tinkinti", 258},
    {"ORVResourceNo", 0x0414, L"Tilpass", 230},
    {"ORVResourcePl", 0x0415, L"Dostosuj", 240},
    {"ORVResourcePt", 0x0816, L"Personalizar", 230},
    {"ORVResourcePtBr", 0x0416, L"Personalizar", 230},
    {"ORVResourceRo", 0x0418, L"Particularizare", 247},
    {"ORVResourceRu", 0x0419, L"\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0430", 230},
    {"ORVResourceSk", 0x041B, L"Prisp\u00F4sobi\u0165", 237},
    {"ORVResourceSl", 0x0424, L"Po meri", 230},
    {"ORVResourceEs", 0x0C0A, L"Personalizar", 240},
    {"ORVResourceSv", 0x041D, L"Office-genv\u00E4gar - anpassa", 230},
    {"ORVResourceTh", 0x041E, L"\u0E01\u0E33\u0E2B\u0E19\u0E14\u0E40\u0E2D\u0E07", 238},
    {"ORVResourceUk", 0x0422, L"\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0430", 230},
};

void PrintTo(const Pack& pack, std::ostream* out) { *out << pack.file; }

const WORD kDialogs[] = {9304, 9313, 9328, 9339, 9351, 9379};
const std::set<WORD> kPageDialogs = {9304, 9313, 9339, 9379};
const WORD kEnglish = 0x0409;
LPCWSTR const RT_MENU_W = MAKEINTRESOURCEW(4);
LPCWSTR const RT_DIALOG_W = MAKEINTRESOURCEW(5);
LPCWSTR const RT_STRING_W = MAKEINTRESOURCEW(6);

bool IsItalian(const Pack& p) { return strcmp(p.file, "Kestrum.ResourceIt") == 0; }
bool IsEnglish(const Pack& p) { return p.langid == kEnglish; }
bool IsRightToLeft(const Pack& p) { return p.langid == 0x0401 || p.langid == 0x040D; }
// The English and Russian packs keep access-key markers; the others drop them.
bool KeepsAccessKeys(const Pack& p) { return p.langid == kEnglish || p.langid == 0x0419; }

std::string ProductPack(const Pack& p) { return HostPath((std::string(ORV_PRODUCT_DIR) + "/langpacks/" + p.file + ".dll").c_str()); }
std::string TestPack(const Pack& p) { return HostPath((std::string(ORV_TEST_BUILD_DIR) + "/langpacks/" + p.file + ".dll").c_str()); }

bool HasAccessKey(const std::wstring& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'&')
            continue;
        if (i + 1 < text.size() && text[i + 1] == L'&')
            ++i;
        else
            return true;
    }
    return false;
}

std::wstring WithoutAccessKeys(std::wstring text)
{
    text.erase(std::remove(text.begin(), text.end(), L'&'), text.end());
    return text;
}

bool HasLetter(const std::wstring& text)
{
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return IsCharAlphaW(c); });
}

// The resources of one pack, parsed once.
struct PackResources {
    explicit PackResources(const Pack& p) : pack(p), module(ProductPack(p))
    {
        if (!module.Loaded())
            return;
        std::vector<BYTE> menuData = module.Data(RT_MENU_W, 9336, p.langid);
        ParseMenu(menuData.data(), static_cast<DWORD>(menuData.size()), menu);
        for (WORD id : kDialogs) {
            std::vector<BYTE> data = module.Data(RT_DIALOG_W, id, p.langid);
            ParseDialog(data.data(), static_cast<DWORD>(data.size()), dialogs[id]);
        }
        strings = module.Strings(p.langid);
    }
    const Pack& pack;
    ResourceModule module;
    std::vector<MenuItem> menu;
    std::map<WORD, DialogTemplate> dialogs;
    std::map<UINT, std::wstring> strings;
};

const PackResources& English()
{
    static PackResources english(kPacks[6]);
    return english;
}

class LangPack : public ::testing::TestWithParam<Pack> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(English().module.Loaded()) << ProductPack(kPacks[6]);
        pack = std::make_unique<PackResources>(GetParam());
        ASSERT_TRUE(pack->module.Loaded()) << ProductPack(GetParam());
    }
    std::unique_ptr<PackResources> pack;
};

TEST_P(LangPack, IsAResourceOnlyDllWithTheOneExportGetLangID)
{
    const Pack& p = GetParam();
    PeImage image(ProductPack(p));
    ASSERT_TRUE(image.Valid());
    EXPECT_EQ(IMAGE_FILE_MACHINE_I386, image.Machine());
    EXPECT_EQ(IMAGE_NT_OPTIONAL_HDR32_MAGIC, image.Magic());
    EXPECT_TRUE(image.Characteristics() & IMAGE_FILE_DLL);
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, image.Subsystem());
    EXPECT_EQ(0u, image.Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
    EXPECT_TRUE(image.ImportedDlls().empty());

    PeImage::Exports exports = image.ReadExports();
    EXPECT_EQ(std::string(p.file) + ".dll", exports.moduleName);
    EXPECT_EQ(1u, exports.base);
    EXPECT_EQ(1u, exports.functions);
    ASSERT_EQ(1u, exports.names.size());
    EXPECT_EQ("GetLangID", exports.names[0]);
    EXPECT_EQ(0, exports.ordinals[0]);  // ordinal 1: the base plus 0
}

TEST_P(LangPack, GetLangIDReturnsThePackLanguage)
{
    // This machine runs 64-bit code only: the same source built for x86_64
    // is loaded for real (its entry point runs) and called.
    const Pack& p = GetParam();
    HMODULE module = LoadLibraryA(TestPack(p).c_str());
    ASSERT_TRUE(module) << TestPack(p);
    auto byName = reinterpret_cast<WORD (*)()>(reinterpret_cast<void*>(GetProcAddress(module, "GetLangID")));
    auto byOrdinal = reinterpret_cast<WORD (*)()>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(1))));
    ASSERT_TRUE(byName);
    EXPECT_EQ(byName, byOrdinal);
    EXPECT_EQ(p.langid, byName());
    FreeLibrary(module);
}

TEST_P(LangPack, HoldsTheEnglishResourceKindsAndIdsUnderItsOwnLanguageOnly)
{
    const Pack& p = GetParam();
    std::vector<WORD> types = pack->module.Types();
    std::sort(types.begin(), types.end());
    EXPECT_EQ((std::vector<WORD>{4, 5, 6}), types) << "menu, dialogs and strings only; no version resource";
    for (WORD type : {4, 5, 6}) {
        std::vector<WORD> names = pack->module.Names(MAKEINTRESOURCEW(type));
        if (!IsItalian(p)) {
            EXPECT_EQ(English().module.Names(MAKEINTRESOURCEW(type)), names) << "type " << type;
        }
        for (WORD name : names)
            EXPECT_EQ((std::vector<WORD>{p.langid}), pack->module.Languages(MAKEINTRESOURCEW(type), name))
                << "type " << type << " name " << name;
    }
    // Looked up under any other language, nothing is found.
    WORD other = IsEnglish(p) ? 0x0407 : kEnglish;
    EXPECT_TRUE(pack->module.Data(RT_MENU_W, 9336, other).empty());
    EXPECT_TRUE(pack->module.Data(RT_DIALOG_W, 9304, other).empty());
    EXPECT_TRUE(pack->module.Strings(other).empty());
}

TEST_P(LangPack, MenuHasTheEnglishItemsAndThePackTitle)
{
    const Pack& p = GetParam();
    ASSERT_EQ(1u, pack->menu.size());
    ASSERT_EQ(1u, English().menu.size());
    const MenuItem& popup = pack->menu[0];
    const MenuItem& english = English().menu[0];
    EXPECT_TRUE(popup.popup);
    EXPECT_EQ(p.menuTitle, popup.text);
    ASSERT_EQ(english.children.size(), popup.children.size());
    for (size_t i = 0; i < english.children.size(); ++i) {
        const MenuItem& item = popup.children[i];
        const MenuItem& reference = english.children[i];
        SCOPED_TRACE("item " + std::to_string(i));
        EXPECT_EQ(reference.id, item.id);
        EXPECT_EQ(reference.separator, item.separator);
        EXPECT_EQ(reference.flags, item.flags);
        EXPECT_EQ(reference.separator, item.text.empty());
        if (KeepsAccessKeys(p))
            EXPECT_EQ(HasAccessKey(reference.text), HasAccessKey(item.text)) << Utf8(item.text);
        else
            EXPECT_FALSE(HasAccessKey(item.text)) << Utf8(item.text);
    }
}

// The extended style rules of the right-to-left packs.
DWORD ExpectedExStyle(const Pack& p, WORD dialog, size_t index, const DialogItem& english)
{
    const DWORD rtl = WS_EX_RIGHT | WS_EX_RTLREADING;
    if (p.langid == 0x040D)
        return english.exStyle | rtl;
    if (p.langid != 0x0401)
        return english.exStyle;
    static const std::set<int> unmarked = {9308, 9309, 9310, 9311, 9385, 9386, 9387, 9388,
                                           9354, 9357, 9358, 9359, 9360, 9361, 9362, 9390};
    if (unmarked.count(english.id))
        return english.exStyle;
    if (dialog == 9304 && index == 0)
        return WS_EX_RIGHT;
    return english.exStyle | rtl;
}

TEST_P(LangPack, DialogsHaveTheEnglishControlsInThePackLayout)
{
    const Pack& p = GetParam();
    for (WORD id : kDialogs) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        const DialogTemplate& dialog = pack->dialogs[id];
        const DialogTemplate& english = English().dialogs.at(id);
        ASSERT_FALSE(dialog.items.empty());

        EXPECT_EQ(english.style, dialog.style);
        EXPECT_EQ(L"MS Sans Serif", dialog.face);
        EXPECT_EQ(8, dialog.pointSize);
        if (IsRightToLeft(p)) {
            EXPECT_TRUE(dialog.extended);
            EXPECT_EQ(0, dialog.weight);
            EXPECT_EQ(0, dialog.italic);
            EXPECT_EQ(1, dialog.charset);
            bool marked = p.langid == 0x0401 && id != 9304 && id != 9313;
            EXPECT_EQ(marked ? static_cast<DWORD>(WS_EX_RIGHT | WS_EX_RTLREADING) : 0u, dialog.exStyle);
        } else {
            EXPECT_EQ(english.extended, dialog.extended);
            EXPECT_EQ(english.charset, dialog.charset);
            EXPECT_EQ(english.exStyle, dialog.exStyle);
        }

        if (kPageDialogs.count(id)) {
            EXPECT_EQ(p.pageWidth, dialog.cx);
            EXPECT_EQ(150, dialog.cy);
        } else {
            EXPECT_EQ(english.cx, dialog.cx);
            EXPECT_EQ(english.cy, dialog.cy);
        }

        ASSERT_EQ(english.items.size(), dialog.items.size());
        for (size_t i = 0; i < english.items.size(); ++i) {
            const DialogItem& item = dialog.items[i];
            const DialogItem& reference = english.items[i];
            SCOPED_TRACE("control " + std::to_string(i) + " id " + std::to_string(item.id));
            EXPECT_EQ(reference.id, item.id);
            EXPECT_EQ(reference.className, item.className);
            DWORD style = reference.style;
            if (p.langid == 0x0C0A && reference.id == 9345)
                style |= BS_MULTILINE;
            EXPECT_EQ(style, item.style) << std::hex << item.style;
            EXPECT_EQ(ExpectedExStyle(p, id, i, reference), item.exStyle) << std::hex << item.exStyle;

            EXPECT_GE(item.x, 0);
            EXPECT_GE(item.y, 0);
            EXPECT_LE(item.x + item.cx, dialog.cx);
            // A combo box's height is its drop-down height.
            if (item.className != L"#133") {
                EXPECT_LE(item.y + item.cy, dialog.cy);
            }

            EXPECT_EQ(reference.text.empty(), item.text.empty()) << Utf8(item.text);
            if (KeepsAccessKeys(p))
                EXPECT_EQ(HasAccessKey(reference.text), HasAccessKey(item.text)) << Utf8(item.text);
            else
                EXPECT_FALSE(HasAccessKey(item.text)) << Utf8(item.text);
        }
        if (KeepsAccessKeys(p))
            EXPECT_EQ(HasAccessKey(english.caption), HasAccessKey(dialog.caption)) << Utf8(dialog.caption);
        else
            EXPECT_FALSE(HasAccessKey(dialog.caption)) << Utf8(dialog.caption);
    }
}

std::set<UINT> ExpectedStringIds(const Pack& p)
{
    std::set<UINT> ids;
    for (const auto& s : English().strings)
        ids.insert(s.first);
    if (IsItalian(p)) {
        for (UINT gone : {9172, 9173, 9175})
            ids.erase(gone);
        for (UINT added : {9192, 9193, 9195, 9503, 9504, 9505, 9506, 9907, 9908, 9909, 9953})
            ids.insert(added);
    }
    return ids;
}

std::vector<std::wstring> Placeholders(const std::wstring& text)
{
    static const std::wregex placeholder(L"%[ds]");
    std::vector<std::wstring> found;
    for (std::wsregex_iterator it(text.begin(), text.end(), placeholder), end; it != end; ++it)
        found.push_back(it->str());
    return found;
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator)
{
    std::vector<std::wstring> parts(1);
    for (wchar_t c : text)
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    return parts;
}

TEST_P(LangPack, StringsKeepTheirIdsFormsAndPlaceholders)
{
    const Pack& p = GetParam();
    std::set<UINT> ids;
    for (const auto& s : pack->strings)
        ids.insert(s.first);
    EXPECT_EQ(ExpectedStringIds(p), ids);
    EXPECT_EQ(IsItalian(p) ? 147u : 139u, pack->strings.size());

    for (const auto& reference : English().strings) {
        auto found = pack->strings.find(reference.first);
        if (found == pack->strings.end())
            continue;
        const std::wstring& text = found->second;
        SCOPED_TRACE("string " + std::to_string(reference.first) + ": " + Utf8(text));
        bool tipless = IsItalian(p) && (reference.first == 9950 || reference.first == 9951);
        EXPECT_EQ(tipless ? 0 : std::count(reference.second.begin(), reference.second.end(), L'\n'),
                  std::count(text.begin(), text.end(), L'\n'));
        EXPECT_EQ(reference.second[0] == L'\n', text[0] == L'\n');
        EXPECT_EQ(Placeholders(reference.second), Placeholders(text));
        if (!KeepsAccessKeys(p)) {
            EXPECT_FALSE(HasAccessKey(text));
        }
    }

    // The file-dialog filter: translated descriptions, the same patterns.
    std::vector<std::wstring> filter = Split(pack->strings[9396], L'|');
    std::vector<std::wstring> englishFilter = Split(English().strings.at(9396), L'|');
    ASSERT_EQ(englishFilter.size(), filter.size());
    for (size_t i = 1; i < filter.size(); i += 2)
        EXPECT_EQ(englishFilter[i], filter[i]) << "pattern field " << i;
    EXPECT_TRUE(filter[filter.size() - 1].empty() && filter[filter.size() - 2].empty());

    if (IsItalian(p)) {
        const std::map<UINT, std::wstring> revision = {
            {9192, L"Mostra pi\u00F9 pulsanti"},
            {9193, L"Mostra meno pulsanti"},
            {9195, L"Configura pulsanti"},
            {9503, L"Per raggruppare secondo una colonna, trascinare l'intestazione della colonna su quest'area."},
            {9504, L"Nessun elemento da visualizzare."},
            {9505, L"(nessun campo disponibile)"},
            {9506, L"Sort by:"},
            {9907, L"Maximize"},
            {9908, L"Restore"},
            {9909, L"Menu"},
            {9953, L"True\nFalse"},
        };
        for (const auto& s : revision)
            EXPECT_EQ(s.second, pack->strings[s.first]) << s.first;
        for (const auto& s : pack->strings)
            EXPECT_FALSE(HasAccessKey(s.second)) << s.first;
    }
}

// The pack's reviewed list of English texts that are the same in its language.
std::set<std::wstring> AllowList(const Pack& p)
{
    std::ifstream file(HostPath((std::string(ORV_SOURCE_DIR) + "/langpacks/same/" + p.file + ".txt").c_str()));
    EXPECT_TRUE(file.good()) << "no allow-list for " << p.file;
    std::set<std::wstring> allowed;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        for (size_t at = line.find("\\n"); at != std::string::npos; at = line.find("\\n", at + 1))
            line.replace(at, 2, "\n");
        int length = MultiByteToWideChar(CP_UTF8, 0, line.c_str(), -1, nullptr, 0);
        std::wstring text(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, line.c_str(), -1, &text[0], length);
        text.resize(static_cast<size_t>(length - 1));
        allowed.insert(text);
    }
    return allowed;
}

// The 30 translations: every pack but the English reference.
class Translation : public LangPack {};

std::vector<Pack> Translations()
{
    std::vector<Pack> packs;
    for (const Pack& p : kPacks)
        if (!IsEnglish(p))
            packs.push_back(p);
    return packs;
}

TEST_P(Translation, EveryTextIsTranslatedOrOnTheAllowList)
{
    const Pack& p = GetParam();
    std::set<std::wstring> allowed = AllowList(p), used;
    auto check = [&](const std::wstring& english, const std::wstring& text, const std::string& where) {
        std::wstring plain = WithoutAccessKeys(text);
        if (plain != WithoutAccessKeys(english) || !HasLetter(plain))
            return;
        if (allowed.count(plain))
            used.insert(plain);
        else
            ADD_FAILURE() << where << " is left in English: " << Utf8(text);
    };

    const auto& englishMenu = English().menu[0].children;
    for (size_t i = 0; i < englishMenu.size() && i < pack->menu[0].children.size(); ++i)
        check(englishMenu[i].text, pack->menu[0].children[i].text, "menu item " + std::to_string(i));
    for (WORD id : kDialogs) {
        const DialogTemplate& english = English().dialogs.at(id);
        const DialogTemplate& dialog = pack->dialogs[id];
        check(english.caption, dialog.caption, "caption of " + std::to_string(id));
        for (size_t i = 0; i < english.items.size() && i < dialog.items.size(); ++i)
            check(english.items[i].text, dialog.items[i].text,
                  "control " + std::to_string(dialog.items[i].id) + " of " + std::to_string(id));
    }
    for (const auto& reference : English().strings) {
        auto found = pack->strings.find(reference.first);
        if (found != pack->strings.end())
            check(reference.second, found->second, "string " + std::to_string(reference.first));
    }
    for (const std::wstring& entry : allowed)
        EXPECT_TRUE(used.count(entry)) << "allow-list entry not needed: " << Utf8(entry);
}

std::string PackName(const ::testing::TestParamInfo<Pack>& info)
{
    std::string name = info.param.file;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllPacks, LangPack, ::testing::ValuesIn(kPacks), PackName);
INSTANTIATE_TEST_SUITE_P(AllPacks, Translation, ::testing::ValuesIn(Translations()), PackName);

TEST(EnglishPack, KeepsTheReferenceForms)
{
    const PackResources& english = English();
    ASSERT_TRUE(english.module.Loaded());
    EXPECT_EQ(139u, english.strings.size());
    EXPECT_EQ(L"No Fill\nNo Fill", english.strings.at(9497));
    EXPECT_EQ(L"\nPencil", english.strings.at(9363));
    EXPECT_EQ(L"\n&Customize...", english.strings.at(35001));
    EXPECT_EQ(L"Gray-80%", english.strings.at(9457));
    EXPECT_EQ(L"All Picture Files|*.bmp;*.wmf;*.emf;*.ico;*.dib;*.cur;*.gif;*.jpg|Bitmaps(*.Bmp;*.Dib)|*.bmp;*.dib|"
              L"Metafiles(*.Wmf;*.Emf)|*.wmf;*.emf|Icons(*.Ico;*.Cur)|*.ico;*.cur|GIF(*.Gif)|*.gif|"
              L"JPEG(*.Jpg)|*.jpg|All Files(*.*)|*.*||",
              english.strings.at(9396));

    // Menu: items and separators in order; the last item ends the menu.
    const auto& items = english.menu.at(0).children;
    const int ids[] = {9315, 9316, 0, 9317, 0, 9318, 9319, 9320, 9321, 9322, 0, 9323, 9325, 9324, 0, 9326};
    ASSERT_EQ(16u, items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(ids[i], items[i].id);
        EXPECT_EQ(ids[i] == 0, items[i].separator);
    }
    EXPECT_TRUE(items.back().flags & MF_END);

    // Dialog kinds, sizes and the hidden button-editor statics.
    const DialogTemplate& editor = english.dialogs.at(9351);
    EXPECT_TRUE(editor.extended);
    EXPECT_EQ(1, editor.charset);
    EXPECT_EQ(0x90C800C0u, editor.style);
    EXPECT_EQ(0x40820201u, editor.items[11].style);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_STATICEDGE), editor.items[8].exStyle);
    const DialogTemplate& keyboard = english.dialogs.at(9379);
    EXPECT_FALSE(keyboard.extended);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_STATICEDGE), keyboard.items[10].exStyle);
    EXPECT_EQ(0x40C00040u, keyboard.style);
    EXPECT_EQ(0x80C800C0u, english.dialogs.at(9328).style);
    EXPECT_EQ(L"#130", keyboard.items[0].className);
    EXPECT_EQ(L"#133", keyboard.items[12].className);
}

}  // namespace
