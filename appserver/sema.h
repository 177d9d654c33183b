// The database schema of the stand-in server, created and migrated by the server
// itself (PRAGMA user_version holds the schema version).
#pragma once

#include "veritabani.h"

namespace dorvanto::appserver {

inline constexpr int SemaSurumu = 2;

// Creates the tables when missing and brings an older file up to SemaSurumu.
// A file of a newer schema is refused with VtHatasi.
void SemayiKur(Vt &vt);

} // namespace dorvanto::appserver
