// The product build's OrvDeploy.exe, checked as a file: a 32-bit GUI program
// that needs only Windows system DLLs, with its version block, manifest,
// artwork and the frame's dialog template.
#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include "support/Isolation.h"
#include "support/PeImage.h"
#include "support/ResourceReader.h"

namespace {

std::string ProductExe() { return HostPath(ORV_PRODUCT_DIR "/OrvDeploy.exe"); }

TEST(ProductImage, IsA32BitGuiProgramImportingOnlySystemDlls)
{
    PeImage image(ProductExe());
    ASSERT_TRUE(image.Valid()) << ProductExe();
    EXPECT_EQ(IMAGE_FILE_MACHINE_I386, image.Machine());
    EXPECT_EQ(IMAGE_NT_OPTIONAL_HDR32_MAGIC, image.Magic());
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, image.Subsystem());
    EXPECT_FALSE(image.Characteristics() & IMAGE_FILE_DLL);

    const std::set<std::string> system = {"advapi32.dll", "comctl32.dll", "gdi32.dll", "kernel32.dll",
                                          "msvcrt.dll",   "shell32.dll",  "user32.dll", "version.dll"};
    std::vector<std::string> imports = image.ImportedDlls();
    EXPECT_FALSE(imports.empty());
    for (std::string dll : imports) {
        std::transform(dll.begin(), dll.end(), dll.begin(), ::tolower);
        EXPECT_TRUE(system.count(dll)) << "imports " << dll;
    }
}

std::string VersionString(const std::vector<BYTE>& info, const char* name)
{
    char* value = nullptr;
    UINT length = 0;
    std::string path = std::string("\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        return "<missing>";
    return std::string(value, length ? length - 1 : 0);
}

TEST(ProductImage, CarriesItsVersionBlock)
{
    std::string exe = ProductExe();
    DWORD size = GetFileVersionInfoSizeA(exe.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(MAKELONG(1, 9), fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(MAKELONG(1, 9), fixed->dwProductVersionMS);
    EXPECT_EQ(0u, fixed->dwProductVersionLS);

    struct Field {
        const char* name;
        const char* value;
    } fields[] = {
        {"FileDescription", "OrvDeploy MFC Application"}, {"InternalName", "OrvDeploy"},
        {"OriginalFilename", "OrvDeploy.EXE"},            {"ProductName", "OrvDeploy Application"},
        {"CompanyName", ""},                              {"LegalTrademarks", ""},
        {"FileVersion", "9.1.0.0"},                       {"ProductVersion", "9.1.0.0"},
    };
    for (const Field& f : fields)
        EXPECT_EQ(f.value, VersionString(info, f.name)) << f.name;
}

TEST(ProductImage, ManifestNamesTheProgramAndCommonControls6)
{
    ResourceModule module(ProductExe());
    ASSERT_TRUE(module.Loaded());
    std::vector<BYTE> data = module.Data(MAKEINTRESOURCEW(24), 1, 0x0409);
    std::string manifest(data.begin(), data.end());
    ASSERT_FALSE(manifest.empty());
    size_t self = manifest.find("<assemblyIdentity");
    size_t dependency = manifest.find("<dependentAssembly>");
    ASSERT_NE(std::string::npos, self);
    ASSERT_NE(std::string::npos, dependency);
    std::string identity = manifest.substr(self, manifest.find("/>", self) - self);
    std::string controls = manifest.substr(dependency);
    for (const char* attribute : {"name=\"OrvDeploy.exe\"", "version=\"5.1.0.0\"", "processorArchitecture=\"x86\"",
                                  "type=\"win32\""})
        EXPECT_NE(std::string::npos, identity.find(attribute)) << attribute;
    EXPECT_NE(std::string::npos, manifest.find("<description>Orvane Deployment Wizard</description>"));
    for (const char* attribute : {"name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
                                  "publicKeyToken=\"6595b64144ccf1df\""})
        EXPECT_NE(std::string::npos, controls.find(attribute)) << attribute;
}

struct BitmapSize {
    LONG width, height;
};

BitmapSize BitmapResourceSize(const ResourceModule& module, WORD id)
{
    std::vector<BYTE> data = module.Data(MAKEINTRESOURCEW(2), id, 0x0409);
    if (data.size() < sizeof(BITMAPINFOHEADER))
        return {0, 0};
    auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(data.data());
    return {header->biWidth, header->biHeight};
}

TEST(ProductImage, ArtworkHasTheGivenSizes)
{
    ResourceModule module(ProductExe());
    ASSERT_TRUE(module.Loaded());
    struct Case {
        WORD id;
        LONG width, height;
    } bitmaps[] = {{148, 55, 55}, {149, 164, 314}, {172, 7, 7}};
    for (const Case& c : bitmaps) {
        BitmapSize size = BitmapResourceSize(module, c.id);
        EXPECT_EQ(c.width, size.width) << c.id;
        EXPECT_EQ(c.height, size.height) << c.id;
    }

    // Icon 143: a group of 16, 32 and 48 pixel images.
    std::vector<BYTE> group = module.Data(MAKEINTRESOURCEW(14), 143, 0x0409);
    ASSERT_GE(group.size(), 6u);
    WORD count = *reinterpret_cast<const WORD*>(&group[4]);
    ASSERT_EQ(3, count);
    ASSERT_GE(group.size(), 6u + 14u * count);
    std::set<int> sizes;
    for (WORD i = 0; i < count; ++i)
        sizes.insert(group[6 + 14 * i]);
    EXPECT_EQ((std::set<int>{16, 32, 48}), sizes);
}

struct ExpectedControl {
    int id;
    const wchar_t* cls;
    const wchar_t* text;
    short x, y, cx, cy;
    DWORD styleBits;  // style bits that must be set
    bool visible;
};

void ExpectDialog(const ResourceModule& module, WORD id, DWORD style, DWORD exStyle, short cx, short cy,
                  const wchar_t* caption, const std::vector<ExpectedControl>& controls)
{
    SCOPED_TRACE("dialog " + std::to_string(id));
    std::vector<BYTE> data = module.Data(MAKEINTRESOURCEW(5), id, 0x0409);
    DialogTemplate dialog;
    ASSERT_TRUE(ParseDialog(data.data(), static_cast<DWORD>(data.size()), dialog));
    EXPECT_EQ(style, dialog.style & style) << std::hex << dialog.style;
    EXPECT_EQ(exStyle, dialog.exStyle);
    EXPECT_EQ(cx, dialog.cx);
    EXPECT_EQ(cy, dialog.cy);
    EXPECT_EQ(caption, dialog.caption);
    EXPECT_EQ(L"MS Sans Serif", dialog.face);
    EXPECT_EQ(8, dialog.pointSize);
    ASSERT_EQ(controls.size(), dialog.items.size());
    for (size_t i = 0; i < controls.size(); ++i) {
        const ExpectedControl& e = controls[i];
        const DialogItem& item = dialog.items[i];
        SCOPED_TRACE("control " + std::to_string(i));
        EXPECT_EQ(e.id, item.id);
        EXPECT_EQ(e.cls, item.className);
        EXPECT_EQ(e.text, item.text);
        EXPECT_EQ(e.x, item.x);
        EXPECT_EQ(e.y, item.y);
        EXPECT_EQ(e.cx, item.cx);
        EXPECT_EQ(e.cy, item.cy);
        EXPECT_EQ(e.styleBits, item.style & e.styleBits) << std::hex << item.style;
        EXPECT_EQ(e.visible, (item.style & WS_VISIBLE) != 0);
    }
}

TEST(ProductImage, DialogTemplatesOfTheFrameAndItsPages)
{
    ResourceModule module(ProductExe());
    ASSERT_TRUE(module.Loaded());
    const wchar_t* button = L"#128";
    const wchar_t* stat = L"#130";

    ExpectDialog(module, 139, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                 WS_EX_APPWINDOW, 334, 221, L"Velmora Software Deployment Wizard",
                 {
                     {1008, stat, L"Velmora Software", 0, 189, 73, 8, SS_CENTER | SS_CENTERIMAGE, true},
                     {-1, stat, L"", 0, 193, 340, 1, SS_ETCHEDHORZ, true},
                     {1012, button, L"< &Back", 141, 201, 60, 13, 0, true},
                     {1015, button, L"&Next >", 203, 201, 60, 13, 0, true},
                     {2, button, L"Cancel", 267, 201, 60, 13, 0, true},
                     {1018, button, L"&Finish", 203, 201, 60, 13, 0, false},
                 });
    // No button of the frame is the default button.
    std::vector<BYTE> data = module.Data(MAKEINTRESOURCEW(5), 139, 0x0409);
    DialogTemplate frame;
    ASSERT_TRUE(ParseDialog(data.data(), static_cast<DWORD>(data.size()), frame));
    for (const DialogItem& item : frame.items) {
        if (item.className == button) {
            EXPECT_NE(static_cast<DWORD>(BS_DEFPUSHBUTTON), item.style & 0xF) << item.id;
        }
    }

    const wchar_t* registered = L"\u00AE";
    ExpectDialog(module, 145, WS_CHILD, 0, 334, 193, L"",
                 {
                     {1034, stat, (std::wstring(L"Integration Wizard for Visual Studio") + registered).c_str(), 125,
                      16, 193, 8, 0, true},
                     {1005, stat,
                      L"Welcome to the Velmora Software integration wizard for Visual Studio\u00AE.  This wizard "
                      L"will automatically integrate the software that was installed on your system with Visual "
                      L"Studio\u00AE  this includes:",
                      125, 36, 193, 36, 0, true},
                     {-1, stat, L"#172", 135, 85, 5, 4, SS_BITMAP, true},
                     {1056, stat, L"Compiling selected libraries", 144, 83, 184, 8, 0, true},
                     {-1, stat, L"#172", 135, 94, 5, 4, SS_BITMAP, true},
                     {1046, stat, L"Adding components to Visual Studio\u00AE paths", 144, 92, 184, 8, 0, true},
                     {-1, stat, L"#172", 135, 103, 5, 4, SS_BITMAP, true},
                     {1047, stat, L"Integrating application wizards with Visual Studio\u00AE", 144, 101, 184, 8, 0,
                      true},
                     {1054, stat,
                      L"You may run this program at any time by selecting \"Launch Deployment Wizard\" from the "
                      L"\"Velmora Software\" start menu group.",
                      125, 126, 193, 26, 0, true},
                     {1055, stat, L"To continue, click next...", 125, 170, 193, 8, 0, true},
                 });
    ExpectDialog(module, 161, WS_CHILD, 0, 334, 193, L"",
                 {
                     {1034, stat, L"Velmora Software Deployment Wizard", 125, 15, 193, 8, 0, true},
                     {1005, stat, L"<<DONE TEXT>>", 125, 30, 193, 96, 0, true},
                     {1055, stat, L"Click Finish to exit the wizard.", 125, 170, 193, 8, 0, true},
                 });
    ExpectDialog(module, 100, WS_POPUP | WS_CAPTION, 0, 283, 36, L"About OrvDeploy",
                 {
                     // An icon control takes the icon's size: the template stores none.
                     {-1, stat, L"#143", 11, 8, 0, 0, SS_ICON, true},
                     {-1, stat, L"Velmora Software Deployment Wizard v2.0", 40, 14, 172, 8, 0, true},
                     {1, button, L"OK", 226, 11, 50, 14, BS_DEFPUSHBUTTON, true},
                 });

    // The pages are hidden children: the frame shows one at a time.
    for (WORD page : {145, 161}) {
        std::vector<BYTE> bytes = module.Data(MAKEINTRESOURCEW(5), page, 0x0409);
        DialogTemplate dialog;
        ASSERT_TRUE(ParseDialog(bytes.data(), static_cast<DWORD>(bytes.size()), dialog));
        EXPECT_FALSE(dialog.style & WS_VISIBLE) << page;
        EXPECT_FALSE(dialog.style & WS_POPUP) << page;
    }
}

}  // namespace
