#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes small archives in memory for the reader's tests, with switches for
// the kinds of damage the reader must survive. Entries hold no data: the
// reader lists names and attributes only.
struct WriterEntry {
    std::string name;                 // stored bytes
    uint16_t versionMadeBy = 20;      // MS-DOS, version 2.0
    uint16_t flags = 0;
    uint32_t externalAttributes = 0;
};

struct WriterOptions {
    std::string stub;                  // bytes in front of the archive
    std::string comment;               // archive comment (up to 65535 bytes)
    bool reverseDirectory = false;     // central headers in reverse local order
    bool duplicateOffset = false;      // second header repeats the first's offset
    bool zip64 = false;                // real values in the 64-bit end record
    bool offsetsInExtraField = false;  // local offsets in the 64-bit extra field only
    int64_t extraEntriesClaimed = 0;   // end record claims more entries than written
    int64_t directorySizeDelta = 0;    // added to the recorded directory size
    int64_t directoryOffsetDelta = 0;  // added to the recorded directory offset
    int breakHeaderSignature = -1;     // index of a central header with a wrong signature
    uint16_t thisDisk = 0;
    bool omitEndRecord = false;
};

std::string WriteTestZip(const std::vector<WriterEntry>& entries, const WriterOptions& options = WriterOptions());
