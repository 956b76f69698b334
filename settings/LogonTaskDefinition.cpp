#include "settings/LogonTaskDefinition.h"
#include "res/ProductInfo.h"
#include <cstring>

namespace {

// The product's name is plain ASCII.
std::wstring ProductName()
{
    return std::wstring(kProductName, kProductName + std::strlen(kProductName));
}

// Text as the content of an element: the three characters that markup gives
// a meaning there become references.
std::wstring XmlText(const std::wstring& text)
{
    std::wstring escaped;
    escaped.reserve(text.size());
    for (const wchar_t c : text) {
        switch (c) {
        case L'&':
            escaped += L"&amp;";
            break;
        case L'<':
            escaped += L"&lt;";
            break;
        case L'>':
            escaped += L"&gt;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

std::wstring LogonTaskName(const std::wstring& userSid)
{
    return ProductName() + L" " + userSid;
}

std::wstring LogonTaskXml(const std::wstring& userSid, const std::wstring& exePath,
                          const std::wstring& workingFolder)
{
    const std::wstring user = XmlText(userSid);
    // The program's path is quoted as a command line's first word: the
    // scheduler starts it as written, spaces and all.
    return L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
           L"<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">\n"
           L"  <RegistrationInfo>\n"
           L"    <Author>" + ProductName() + L"</Author>\n"
           L"    <Description>Starts " + ProductName() + L" with administrator rights when you log on, "
           L"so that acceleration runs.</Description>\n"
           L"  </RegistrationInfo>\n"
           L"  <Triggers>\n"
           L"    <LogonTrigger>\n"
           L"      <Enabled>true</Enabled>\n"
           L"      <UserId>" + user + L"</UserId>\n"
           L"      <Delay>PT30S</Delay>\n"
           L"    </LogonTrigger>\n"
           L"  </Triggers>\n"
           L"  <Principals>\n"
           L"    <Principal id=\"User\">\n"
           L"      <UserId>" + user + L"</UserId>\n"
           L"      <LogonType>InteractiveToken</LogonType>\n"
           L"      <RunLevel>HighestAvailable</RunLevel>\n"
           L"    </Principal>\n"
           L"  </Principals>\n"
           L"  <Settings>\n"
           L"    <MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>\n"
           L"    <DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>\n"
           L"    <StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>\n"
           L"    <StartWhenAvailable>true</StartWhenAvailable>\n"
           L"    <ExecutionTimeLimit>PT0S</ExecutionTimeLimit>\n"
           L"    <Priority>5</Priority>\n"
           L"  </Settings>\n"
           L"  <Actions Context=\"User\">\n"
           L"    <Exec>\n"
           L"      <Command>\"" + XmlText(exePath) + L"\"</Command>\n"
           L"      <Arguments>-tray</Arguments>\n"
           L"      <WorkingDirectory>" + XmlText(workingFolder) + L"</WorkingDirectory>\n"
           L"    </Exec>\n"
           L"  </Actions>\n"
           L"</Task>\n";
}
