#pragma once

namespace platform {

// Claims a per-session name for this process. True when no other process holds it; the claim
// lasts until the process ends, however it ends. Errors other than "already held" count as true.
bool claimInstanceName(const char* name);

} // namespace platform
