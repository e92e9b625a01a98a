#include "zip_archive.h"

#include <zlib.h>

ZipArchive::ZipArchive()
    : platform(&ZipSystemPlatform()),
      crcTable(reinterpret_cast<const uint32_t*>(get_crc_table()))
{
}

ZipArchive::~ZipArchive()
{
    Close(1);
}

void ZipArchive::Open(const char* path, int mode, int volumeSize)
{
    (void)volumeSize;  // matters only for archives made across volumes
    if (!IsClosed(true))
        return;
    if (mode != ModeOpen && mode != ModeOpenReadOnly)
        ThrowZipError(ZipExceptionUse::Generic, path);
    try {
        storage.Open(path, mode);
        centralDir.Read(storage, *platform);
    } catch (...) {
        // Release the file before the caller hears of the failure, so a
        // damaged archive is not kept locked and the next Open starts clean.
        Close(1);
        throw;
    }
    systemCode = kZipSystemDos;
    if (centralDir.Count() > 0 && IsSupportedZipSystem(centralDir.At(0).SystemCode()))
        systemCode = centralDir.At(0).SystemCode();
}

void ZipArchive::Close(int afterException, bool updateTime)
{
    (void)updateTime;
    if (IsClosed(true) && !(afterException && !IsClosed(false)))
        return;
    centralDir.Clear();
    storage.Close();
    systemCode = kZipSystemDos;
}

bool ZipArchive::GetFileInfo(ZipFileHeader& header, int index) const
{
    if (IsClosed(true) || index < 0 || static_cast<size_t>(index) >= centralDir.Count())
        return false;
    header.CopyFrom(centralDir.At(static_cast<size_t>(index)));
    return true;
}
