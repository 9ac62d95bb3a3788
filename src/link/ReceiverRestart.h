#pragma once

#include "CNetworkProfileArray.h"
#include "CNetworkProfileData.h"
#include "LinkMessage.h"
#include "LinkOptions.h"

namespace tarnell {

// Restarts the receiver through its login shell: a timed script of user name, password,
// "reboot" (or "reboot -f") and "exit 0", each line ended by CR NUL. No reply is read; the
// fixed waits take about 2.3 seconds.
LinkResult RebootReceiver(const CNetworkProfileData& profile, const LinkOptions& options = {});
LinkResult RebootReceiver(const CNetworkProfileArray& profiles, const LinkOptions& options = {});

} // namespace tarnell
