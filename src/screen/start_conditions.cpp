// SPDX-License-Identifier: GPL-3.0-or-later
// The display check and the preparations for a low limit of open files.
#include "screen/start_conditions.h"

#include "levels/file_access.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string_view>
#include <sys/resource.h>
#include <unistd.h>

namespace zorvik {

void ignoreRelativeBaseFolders()
{
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
        if (const char* value = std::getenv(name); value && *value != '/')
            ::unsetenv(name);
}


namespace {

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Platforms of the toolkit that draw without a display server.
bool needsNoDisplay(std::string_view platform)
{
    constexpr std::string_view kWithout[] = {"offscreen", "minimal", "minimalegl", "vnc", "linuxfb", "eglfs", "vkkhrdisplay"};
    return std::find(std::begin(kWithout), std::end(kWithout), platform) != std::end(kWithout);
}

} // namespace

bool displayAvailable()
{
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"))
        return true;
    // A list like "wayland;xcb" is tried in order; "offscreen:fontengine=freetype" carries options.
    std::istringstream platforms(isSet("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "");
    for (std::string platform; std::getline(platforms, platform, ';');)
        if (needsNoDisplay(platform.substr(0, platform.find(':'))))
            return true;
    return false;
}

std::optional<std::string> missingDisplay()
{
    if (displayAvailable())
        return std::nullopt;
    return "Zorvik: Kein Bildschirm gefunden. Das Spiel läuft nur in einer grafischen Sitzung (X11 oder Wayland).";
}

void prepareForFewDescriptors()
{
    keepSpareDescriptor(STDIN_FILENO);
    constexpr rlim_t kFew = 64;
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= kFew)
        return;
    limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, 1024);
    ::setrlimit(RLIMIT_NOFILE, &limit);
    if (limit.rlim_cur < kFew)
        ::setenv("QT_XCB_NO_MITSHM", "1", 0);
}

bool canStart()
{
    if (const auto reason = missingDisplay()) {
        std::cerr << *reason << std::endl;
        return false;
    }
    prepareForFewDescriptors();
    ignoreRelativeBaseFolders();
    // A pipe whose reader has gone (standard error piped into a closed pager) answers EPIPE instead of
    // ending the game unsaved; the toolkit writes there from its first moment.
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

} // namespace zorvik
