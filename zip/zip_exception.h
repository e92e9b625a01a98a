#pragma once

#include "xstring.h"

// Root of the archive reader's exceptions. The reader is the one part of the
// suite that reports failure by throwing; callers catch ZipException& and
// decide from ZipArchive::IsClosed what to tell the user.
class ZipException {
public:
    virtual ~ZipException() = default;
};

// A fault of the archive or of its use, with the cause code the callers show.
class ZipExceptionUse : public ZipException {
public:
    enum Cause {
        Generic = 100,            // a zlib code with no code of its own
        BadZipFile = 101,         // damaged: short read, bad signature, inconsistent directory
        BadCrc = 102,
        NoCallback = 103,         // a volume-asking archive without a volume-change callback
        NonRemovable = 107,
        TooManyVolumes = 108,
        CannotDelete = 113,
        CannotMove = 114,
        PlatformNotSupported = 115,  // attributes between systems without a conversion
        CentralDirNotFound = 116,
        ZlibStreamEnd = 500,      // 500..507: zlib codes 1, 2, -1 .. -6
        ZlibNeedDict = 501,
        ZlibErrno = 502,
        ZlibStreamError = 503,
        ZlibDataError = 504,
        ZlibMemError = 505,
        ZlibBufError = 506,
        ZlibVersionError = 507,
    };

    explicit ZipExceptionUse(int cause, const char* archiveName = nullptr)
        : cause(cause), archiveName(archiveName ? archiveName : "") {}

    // The cause for a zlib result code (Z_OK never reaches here).
    static int CauseFromZlib(int zlibCode);

    int cause;
    XString archiveName;  // empty when none was given
};

// A failure of the file under the archive: the file is missing, locked, or
// cannot be read. Passed through unchanged by the archive.
class ZipFileException : public ZipException {
public:
    enum Cause { Generic = 1, FileNotFound = 2, AccessDenied = 5, SharingViolation = 7, BadSeek = 9 };

    ZipFileException(int cause, long osError, const char* fileName)
        : cause(cause), osError(osError), fileName(fileName ? fileName : "") {}

    int cause;
    long osError;  // the platform's own error number
    XString fileName;
};

[[noreturn]] void ThrowZipError(int cause, const char* archiveName = nullptr);
