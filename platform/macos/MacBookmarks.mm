#include "macos/MacBookmarks.hpp"

#import <Foundation/Foundation.h>

namespace cuevox::platform::macos {

QByteArray bookmarkData(const std::filesystem::path& absolutePath) {
    QByteArray bookmark;
    if (absolutePath.empty()) {
        return bookmark;
    }
    @autoreleasepool {
        // From the bytes themselves: fileURLWithPath: throws on a nil string, which a path
        // that is not UTF-8 would give.
        NSURL* url = [NSURL fileURLWithFileSystemRepresentation:absolutePath.c_str()
                                                    isDirectory:NO
                                                  relativeToURL:nil];
        NSData* data = [url bookmarkDataWithOptions:0
                     includingResourceValuesForKeys:nil
                                      relativeToURL:nil
                                              error:nil];
        if (data) {
            bookmark = QByteArray(static_cast<const char*>(data.bytes),
                                  static_cast<qsizetype>(data.length));
        }
    }
    return bookmark;
}

std::optional<ResolvedBookmark> resolveBookmark(const QByteArray& bookmark) {
    std::optional<ResolvedBookmark> resolved;
    if (bookmark.isEmpty()) {
        return resolved;
    }
    @autoreleasepool {
        NSData* data = [NSData dataWithBytes:bookmark.constData()
                                      length:static_cast<NSUInteger>(bookmark.size())];
        BOOL stale = NO;
        // At start nothing may wait for a dialog or for a network volume to mount: a
        // collection on a volume that is not there is simply not reopened.
        NSURL* url = [NSURL URLByResolvingBookmarkData:data
                                               options:NSURLBookmarkResolutionWithoutUI |
                                                       NSURLBookmarkResolutionWithoutMounting
                                         relativeToURL:nil
                                   bookmarkDataIsStale:&stale
                                                 error:nil];
        // NULL when the path cannot be represented; url.path.fileSystemRepresentation throws.
        const char* path = url.fileURL ? url.fileSystemRepresentation : nullptr;
        if (path && *path != '\0') {
            resolved = ResolvedBookmark{std::filesystem::path(path), stale == YES};
        }
    }
    return resolved;
}

} // namespace cuevox::platform::macos
