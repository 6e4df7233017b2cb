#!/usr/bin/python3
"""A disc that fails as a scratched one does: FOLDER's files, read-only, at MOUNT, where reads of
one file fail with an I/O error from an offset on, and one other file is read slowly. Each read
reaches this program (no page cache), so every run of a test sees the same.

    /usr/bin/python3 tests/files/failing_disc.py FOLDER MOUNT FAILING@OFFSET SLOW

Runs in the foreground until MOUNT is unmounted.
"""
import errno
import os
import sys
import time

from fusepy import FUSE, FuseOSError, Operations

SLOW_READ_SECONDS = 2


class FailingDisc(Operations):
    def __init__(self, folder, failing, offset, slow):
        self.folder, self.failing, self.offset, self.slow = folder, failing, offset, slow

    def _real(self, path):
        return os.path.join(self.folder, path.lstrip("/"))

    def getattr(self, path, fh=None):
        try:
            stat = os.lstat(self._real(path))
        except OSError as error:
            raise FuseOSError(error.errno)
        return {key: getattr(stat, key) for key in ("st_mode", "st_size", "st_mtime", "st_atime",
                                                   "st_ctime", "st_nlink", "st_uid", "st_gid")}

    def readdir(self, path, fh):
        return [".", ".."] + os.listdir(self._real(path))

    def open(self, path, flags):
        if flags & (os.O_WRONLY | os.O_RDWR):
            raise FuseOSError(errno.EROFS)
        return 0

    def read(self, path, size, offset, fh):
        if path == self.slow:
            time.sleep(SLOW_READ_SECONDS)
        if path == self.failing and offset + size > self.offset:
            raise FuseOSError(errno.EIO)
        with open(self._real(path), "rb") as f:
            f.seek(offset)
            return f.read(size)


def main():
    folder, mount, failing, slow = sys.argv[1:]
    path, offset = failing.rsplit("@", 1)
    FUSE(FailingDisc(folder, "/" + path, int(offset), "/" + slow), mount, foreground=True, ro=True,
         direct_io=True)


if __name__ == "__main__":
    main()
