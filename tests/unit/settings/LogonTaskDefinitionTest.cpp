// The logon task's definition read back as XML, by the system's own XML
// parser, as the Task Scheduler reads it.
#include "settings/LogonTaskDefinition.h"
#include <windows.h>
#include <msxml2.h>
#include <gtest/gtest.h>
#include <optional>

namespace {

// msxml's ids, which mingw's libraries lack.
const CLSID kDomDocument60 = { 0x88d96a05, 0xf192, 0x11d4, { 0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5 } };
const IID kXmlDomDocument2 = { 0x2933bf95, 0x7b36, 0x11d2, { 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60 } };

constexpr const wchar_t* kSid = L"S-1-5-21-3623811015-3361044348-30300820-1013";

// A parsed document whose elements of the task's namespace are reached
// with the prefix "t".
class TaskDocument {
public:
    TaskDocument()
    {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ::CoCreateInstance(kDomDocument60, nullptr, CLSCTX_INPROC_SERVER, kXmlDomDocument2,
                           reinterpret_cast<void**>(&m_document));
    }
    ~TaskDocument()
    {
        if (m_document != nullptr)
            m_document->Release();
        ::CoUninitialize();
    }
    TaskDocument(const TaskDocument&) = delete;
    TaskDocument& operator=(const TaskDocument&) = delete;

    // True when the text is well-formed XML.
    bool Load(const std::wstring& xml)
    {
        if (m_document == nullptr)
            return false;
        BSTR text = ::SysAllocString(xml.c_str());
        VARIANT_BOOL loaded = VARIANT_FALSE;
        m_document->loadXML(text, &loaded);
        ::SysFreeString(text);
        VARIANT namespaces;
        ::VariantInit(&namespaces);
        namespaces.vt = VT_BSTR;
        namespaces.bstrVal = ::SysAllocString(L"xmlns:t='http://schemas.microsoft.com/windows/2004/02/mit/task'");
        BSTR property = ::SysAllocString(L"SelectionNamespaces");
        m_document->setProperty(property, namespaces);
        ::SysFreeString(property);
        ::VariantClear(&namespaces);
        return loaded == VARIANT_TRUE;
    }

    // The text of the one node the path selects; none when it selects none.
    std::optional<std::wstring> Text(const wchar_t* path) const
    {
        if (Count(path) != 1)
            return std::nullopt;
        BSTR query = ::SysAllocString(path);
        IXMLDOMNode* node = nullptr;
        m_document->selectSingleNode(query, &node);
        ::SysFreeString(query);
        BSTR text = nullptr;
        node->get_text(&text);
        node->Release();
        std::wstring result = text != nullptr ? text : L"";
        ::SysFreeString(text);
        return result;
    }

    long Count(const wchar_t* path) const
    {
        BSTR query = ::SysAllocString(path);
        IXMLDOMNodeList* nodes = nullptr;
        m_document->selectNodes(query, &nodes);
        ::SysFreeString(query);
        long count = 0;
        if (nodes != nullptr) {
            nodes->get_length(&count);
            nodes->Release();
        }
        return count;
    }

private:
    IXMLDOMDocument2* m_document = nullptr;
};

using Text = std::optional<std::wstring>;

TEST(LogonTaskXml, StartsTheProgramAtTheUsersLogonWithHighestRightsWithoutLimits)
{
    TaskDocument task;
    ASSERT_TRUE(task.Load(LogonTaskXml(kSid, L"C:\\Program Files\\Corvane\\Corvane.exe", L"C:\\Program Files\\Corvane")));

    EXPECT_EQ(task.Count(L"/t:Task/t:Triggers/*"), 1);
    EXPECT_EQ(task.Text(L"/t:Task/t:Triggers/t:LogonTrigger/t:UserId"), Text(kSid));
    EXPECT_EQ(task.Text(L"/t:Task/t:Triggers/t:LogonTrigger/t:Delay"), Text(L"PT30S"));
    EXPECT_EQ(task.Text(L"/t:Task/t:Triggers/t:LogonTrigger/t:Enabled"), Text(L"true"));

    EXPECT_EQ(task.Count(L"/t:Task/t:Principals/t:Principal"), 1);
    EXPECT_EQ(task.Text(L"/t:Task/t:Principals/t:Principal/t:UserId"), Text(kSid));
    EXPECT_EQ(task.Text(L"/t:Task/t:Principals/t:Principal/t:LogonType"), Text(L"InteractiveToken"));
    EXPECT_EQ(task.Text(L"/t:Task/t:Principals/t:Principal/t:RunLevel"), Text(L"HighestAvailable"));
    // The actions run as that principal.
    EXPECT_EQ(task.Text(L"/t:Task/t:Actions/@Context"), task.Text(L"/t:Task/t:Principals/t:Principal/@id"));

    EXPECT_EQ(task.Text(L"/t:Task/t:Settings/t:ExecutionTimeLimit"), Text(L"PT0S"));
    EXPECT_EQ(task.Text(L"/t:Task/t:Settings/t:DisallowStartIfOnBatteries"), Text(L"false"));
    EXPECT_EQ(task.Text(L"/t:Task/t:Settings/t:StopIfGoingOnBatteries"), Text(L"false"));
    EXPECT_EQ(task.Text(L"/t:Task/t:Settings/t:StartWhenAvailable"), Text(L"true"));
    EXPECT_EQ(task.Text(L"/t:Task/t:Settings/t:MultipleInstancesPolicy"), Text(L"IgnoreNew"));
    EXPECT_EQ(task.Text(L"/t:Task/t:Settings/t:Priority"), Text(L"5"));

    EXPECT_EQ(task.Count(L"/t:Task/t:Actions/*"), 1);
    EXPECT_EQ(task.Text(L"/t:Task/t:Actions/t:Exec/t:Command"), Text(L"\"C:\\Program Files\\Corvane\\Corvane.exe\""));
    EXPECT_EQ(task.Text(L"/t:Task/t:Actions/t:Exec/t:Arguments"), Text(L"-tray"));
    EXPECT_EQ(task.Text(L"/t:Task/t:Actions/t:Exec/t:WorkingDirectory"), Text(L"C:\\Program Files\\Corvane"));
}

TEST(LogonTaskXml, PathsOfAnyLettersStayWhole)
{
    const std::wstring folder = L"C:\\Program Files\\R&D <Ünïcødé> Ω 工具 &amp;";
    const std::wstring exe = folder + L"\\Corvane.exe";
    TaskDocument task;
    ASSERT_TRUE(task.Load(LogonTaskXml(kSid, exe, folder)));
    EXPECT_EQ(task.Text(L"/t:Task/t:Actions/t:Exec/t:Command"), Text(L"\"" + exe + L"\""));
    EXPECT_EQ(task.Text(L"/t:Task/t:Actions/t:Exec/t:WorkingDirectory"), Text(folder));
}

} // namespace
