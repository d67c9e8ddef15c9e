#include "platform/FontWarmup.h"

#include <system_error>

#if DORVANEX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

CFontWarmup::CFontWarmup() {
#if DORVANEX_HAVE_FONTCONFIG
    try {
        // Fontconfig keeps what it reads as its current configuration, which
        // Qt's font database then finds already loaded.
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the configuration is read later, on demand.
    }
#endif
}

CFontWarmup::~CFontWarmup() {
    Wait();
}

void CFontWarmup::Wait() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}
