// The Win32 surface the shortcut code relies on: COM initialisation,
// creating the link object, its interfaces and its file.
#include "common/ShortcutTestSupport.h"

using namespace shortcut_test;

namespace {

// {7D3A2C41-5B6E-4F80-9A1B-2C3D4E5F6071}: no class or interface has it.
const GUID kUnknownGuid = {0x7D3A2C41, 0x5B6E, 0x4F80, {0x9A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F, 0x60, 0x71}};

TEST(ComApiTest, InitialisationsAreCountedPerThread) {
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    CoUninitialize();
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE) << "one initialisation is left";
    CoUninitialize();
    CoUninitialize();
    EXPECT_EQ(CoInitialize(nullptr), S_OK) << "the calls balance";
    CoUninitialize();
}

TEST(ComApiTest, CreatingObjectsFailsAsTheCallerDeserves) {
    struct Case {
        const char* what;
        bool initialise;
        const CLSID& classId;
        const IID& interfaceId;
        HRESULT expected;
    } cases[] = {
        {"COM not initialised", false, CLSID_ShellLink, IID_IShellLinkW, CO_E_NOTINITIALIZED},
        {"a class nobody registered", true, kUnknownGuid, IID_IShellLinkW, REGDB_E_CLASSNOTREG},
        {"an interface the link does not have", true, CLSID_ShellLink, kUnknownGuid, E_NOINTERFACE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.initialise) {
            ASSERT_EQ(CoInitialize(nullptr), S_OK);
        }
        void* object = &object;
        EXPECT_EQ(CoCreateInstance(c.classId, nullptr, CLSCTX_INPROC_SERVER, c.interfaceId, &object), c.expected);
        EXPECT_EQ(object, nullptr);
        if (c.initialise) CoUninitialize();
    }
}

TEST(ComApiTest, TheLinkObjectIsOneObjectBehindItsInterfaces) {
    ComInit com;
    ASSERT_EQ(com.get(), S_OK);
    ComPtr<IShellLinkW> link;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put()), S_OK);
    ComPtr<IPersistFile> file;
    ASSERT_EQ(link->QueryInterface(IID_IPersistFile, file.put()), S_OK);
    ComPtr<IUnknown> fromLink;
    ComPtr<IUnknown> fromFile;
    ASSERT_EQ(link->QueryInterface(IID_IUnknown, fromLink.put()), S_OK);
    ASSERT_EQ(file->QueryInterface(IID_IUnknown, fromFile.put()), S_OK);
    EXPECT_EQ(fromLink.get(), fromFile.get()) << "IUnknown gives the object's identity";
    CLSID classId = {};
    EXPECT_EQ(file->GetClassID(&classId), S_OK);
    EXPECT_TRUE(IsEqualCLSID(classId, CLSID_ShellLink));
    // Four references are held here; AddRef and Release report the count.
    EXPECT_EQ(link->AddRef(), 5u);
    EXPECT_EQ(link->Release(), 4u);
}

class ShellLinkFileTest : public ShortcutFolderTest {};

TEST_F(ShellLinkFileTest, SavedFieldsLoadIntoANewObject) {
    const WString path = File(TEXT("Fields.lnk"));
    const WString program = ProgramPath();
    ComInit com;
    {
        ComPtr<IShellLinkW> link;
        ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put()), S_OK);
        EXPECT_TRUE(SUCCEEDED(link->SetPath(program.Buffer())));
        EXPECT_EQ(link->SetArguments(TEXT("/x \"y\"")), S_OK);
        EXPECT_EQ(link->SetDescription(TEXT("Строка\\с\\чертами")), S_OK);
        ComPtr<IPersistFile> file;
        ASSERT_EQ(link->QueryInterface(IID_IPersistFile, file.put()), S_OK);
        EXPECT_EQ(file->IsDirty(), S_OK);
        ASSERT_EQ(file->Save(path.Buffer(), TRUE), S_OK);
        EXPECT_EQ(file->IsDirty(), S_FALSE);
        LPOLESTR current = nullptr;
        EXPECT_EQ(file->GetCurFile(&current), S_OK);
        EXPECT_EQ(lstrcmpiW(current, path.Buffer()), 0);
        CoTaskMemFree(current);
    }
    const LoadedShortcut loaded = LoadShortcut(path);
    ASSERT_EQ(loaded.load, S_OK);
    EXPECT_EQ(loaded.target, Text(program.Buffer()));
    EXPECT_EQ(loaded.arguments, u"/x \"y\"");
    EXPECT_EQ(loaded.description, u"Строка\\с\\чертами");
    EXPECT_EQ(loaded.workingDirectory, u"");
}

TEST_F(ShellLinkFileTest, ATargetThatDoesNotExistIsSetWithSFalse) {
    const WString target = folder + TEXT("\\NotThere.exe");
    ComInit com;
    ComPtr<IShellLinkW> link;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put()), S_OK);
    EXPECT_EQ(link->SetPath(target.Buffer()), S_FALSE);
    WCHAR read[MAX_PATH] = {};
    EXPECT_EQ(link->GetPath(read, MAX_PATH, nullptr, SLGP_RAWPATH), S_OK);
    EXPECT_EQ(Text(read), Text(target.Buffer()));
}

TEST_F(ShellLinkFileTest, LoadingAMissingFileFails) {
    const LoadedShortcut loaded = LoadShortcut(folder + TEXT("\\Nothing.lnk"));
    EXPECT_TRUE(FAILED(loaded.load));
}

}  // namespace
