#pragma once

// Claims the viewer's mutex. When another viewer holds it, hands the job over to that
// viewer's window and ends this process with exit code 0; it does not return then.
void ClaimSingleInstanceOrHandOver();
