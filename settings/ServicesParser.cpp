#include "settings/ServicesParser.h"
#include "settings/ServicesLine.h"
#include <cstdio>
#include <utility>

namespace {

// fgets reads at most this many characters less one: a longer line arrives in
// pieces, and each piece is parsed as a line of its own.
constexpr int kLineBufferSize = 300;

} // namespace

const ServiceEntry* FindService(const ServiceEntry* head, std::uint16_t port, std::uint8_t protocol)
{
    for (const ServiceEntry* entry = head; entry != nullptr; entry = entry->next)
        if (entry->port == port && entry->protocol == protocol)
            return entry;
    return nullptr;
}

CServicesParser::CServicesParser(std::string path)
    : m_szPath(std::move(path))
{
    Load();
}

CServicesParser::~CServicesParser()
{
    Clear();
}

void CServicesParser::Clear()
{
    // A walk, not a recursive destruction: the file may hold any number of lines.
    while (m_pHead != nullptr) {
        ServiceEntry* next = m_pHead->next;
        delete m_pHead;
        m_pHead = next;
    }
}

bool CServicesParser::Load()
{
    Clear();
    m_bEnabled = 0;
    std::FILE* file = std::fopen(m_szPath.c_str(), "rt");
    if (file == nullptr)
        return false;
    char line[kLineBufferSize];
    // fgets fails at the end of the file: the last piece read is parsed once.
    while (std::fgets(line, kLineBufferSize, file) != nullptr) {
        if (std::optional<ServiceLine> parsed = ParseServicesLine(line))
            m_pHead = new ServiceEntry{parsed->port, parsed->protocol, std::move(parsed->name), m_pHead};
    }
    std::fclose(file);
    return true;
}

const char* CServicesParser::LookupService(std::uint16_t port, std::uint8_t protocol) const
{
    if (!m_bEnabled)
        return nullptr;
    const ServiceEntry* entry = FindService(m_pHead, port, protocol);
    return entry != nullptr ? entry->name.c_str() : nullptr;
}
