#pragma once
#include <cstdint>
#include <string>

// One accepted line of the services file; owned by the parser's list.
struct ServiceEntry {
    std::uint16_t port;
    std::uint8_t protocol; // IP protocol number: kProtocolTcp, kProtocolUdp, kProtocolIcmp
    std::string name;
    ServiceEntry* next;
};

// The first entry from `head` on with this port and protocol, or nullptr.
const ServiceEntry* FindService(const ServiceEntry* head, std::uint16_t port, std::uint8_t protocol);

// Well-known service names by port and protocol, from the program's own
// "services" file beside the executable (not the system's database). The list
// is built once, newest line first, and only released again.
class CServicesParser {
public:
    // The "services" file in the executable's folder, loaded at once.
    CServicesParser();
    // The file at `path`, loaded at once.
    explicit CServicesParser(std::string path);
    virtual ~CServicesParser();

    CServicesParser(const CServicesParser&) = delete;
    CServicesParser& operator=(const CServicesParser&) = delete;

    // Empties the table and reads `m_szPath` again: false, and an empty table,
    // when the file cannot be opened. Lookups stay switched off.
    bool Load();

    // The service on this port and protocol; always nullptr while lookups are
    // switched off.
    const char* LookupService(std::uint16_t port, std::uint8_t protocol) const;

    const ServiceEntry* Head() const { return m_pHead; }
    const std::string& Path() const { return m_szPath; }

private:
    void Clear();

    std::string m_szPath;
    int m_bEnabled = 0;
    ServiceEntry* m_pHead = nullptr;
};

extern CServicesParser theServices;
