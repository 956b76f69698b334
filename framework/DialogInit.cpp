#include "framework/DialogInit.h"

namespace {

constexpr unsigned kWin16AddString = 0x0403;
constexpr unsigned kComboAddString = 0x0143;

unsigned ReadLittleEndian(const unsigned char* p, std::size_t bytes)
{
    unsigned value = 0;
    for (std::size_t i = bytes; i-- > 0;)
        value = (value << 8) | p[i];
    return value;
}

} // namespace

std::vector<DialogInitItem> ParseDialogInit(const unsigned char* data, std::size_t size)
{
    std::vector<DialogInitItem> items;
    std::size_t offset = 0;
    while (offset + 2 <= size) {
        const unsigned controlId = ReadLittleEndian(data + offset, 2);
        if (controlId == 0 || offset + 8 > size)
            break;
        const unsigned message = ReadLittleEndian(data + offset + 2, 2);
        const std::size_t length = ReadLittleEndian(data + offset + 4, 4);
        offset += 8;
        if (length > size - offset || (message != kWin16AddString && message != kComboAddString))
            break;
        const char* text = reinterpret_cast<const char*>(data + offset);
        std::size_t textLength = 0;
        while (textLength < length && text[textLength] != '\0')
            ++textLength;
        items.push_back({ controlId, std::string(text, textLength) });
        offset += length;
    }
    return items;
}

#if defined(_WIN32)
void ExecuteDialogInit(HWND dialog, unsigned templateId)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(240));
    if (found == nullptr)
        return;
    HGLOBAL loaded = ::LoadResource(instance, found);
    const auto* data = loaded ? static_cast<const unsigned char*>(::LockResource(loaded)) : nullptr;
    if (data == nullptr)
        return;
    for (const DialogInitItem& item : ParseDialogInit(data, ::SizeofResource(instance, found)))
        ::SendDlgItemMessageA(dialog, static_cast<int>(item.controlId), CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(item.text.c_str()));
}
#endif
