#include "app/WebLinks.h"
#include "res/resource.h"

namespace {

struct WebLink {
    unsigned commandId;
    const char* address;
};

// Plain addresses: no affiliate, referral or tracking parameters.
constexpr WebLink kWebLinks[] = {
    { ID_LINK_SAFETY, "https://www.cisa.gov/secure-our-world" },         // security tips
    { ID_LINK_FILE_SHARING, "https://torrentfreak.com/" },               // file-sharing news portal
    { ID_LINK_MUSIC, "https://www.emusic.com/" },                        // music downloads
    { ID_LINK_TORRENTS, "https://www.tribler.org/" },                    // anonymous torrent client
    { ID_LINK_MEDIA, "https://archive.org/" },                           // music, games and photos
};

} // namespace

const char* WebLinkAddress(unsigned commandId)
{
    for (const WebLink& link : kWebLinks) {
        if (link.commandId == commandId)
            return link.address;
    }
    return nullptr;
}
