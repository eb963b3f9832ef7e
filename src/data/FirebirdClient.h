#pragma once

#include <ibase.h>
#include <string>

// Small pieces of the Firebird client API shared by the driver, the test
// databases and the benchmark.
namespace pondus::data {

// The status vector's messages, one line each.
std::string firebirdMessage(const ISC_STATUS* status);

// The attach (and create) parameter block: user, password and the connection
// character set, dialect 3.
std::string firebirdAttachParameters(const std::string& user, const std::string& password,
                                     const std::string& charset);

// Stops the client's and the embedded engine's threads when the process ends,
// so that it ends cleanly; called before the first attach.
void stopFirebirdAtExit();

} // namespace pondus::data
