#include "zip_exception.h"

#include <zlib.h>

int ZipExceptionUse::CauseFromZlib(int zlibCode)
{
    switch (zlibCode) {
    case Z_STREAM_END: return ZlibStreamEnd;
    case Z_NEED_DICT: return ZlibNeedDict;
    case Z_ERRNO: return ZlibErrno;
    case Z_STREAM_ERROR: return ZlibStreamError;
    case Z_DATA_ERROR: return ZlibDataError;
    case Z_MEM_ERROR: return ZlibMemError;
    case Z_BUF_ERROR: return ZlibBufError;
    case Z_VERSION_ERROR: return ZlibVersionError;
    default: return Generic;
    }
}

void ThrowZipError(int cause, const char* archiveName)
{
    throw ZipExceptionUse(cause, archiveName);
}
