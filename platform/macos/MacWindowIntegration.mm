#include "MacWindowIntegration.hpp"

#include <QWidget>

#import <AppKit/AppKit.h>

namespace cuevox::platform::macos {

void raiseToFloatingLevelOnAllSpaces(QWidget& window) {
    // On macOS a widget's winId is its NSView.
    NSView* view = (__bridge NSView*)reinterpret_cast<void*>(window.winId());
    NSWindow* nsWindow = view.window;
    if (!nsWindow) {
        return;
    }
    nsWindow.level = NSFloatingWindowLevel;
    nsWindow.collectionBehavior |= NSWindowCollectionBehaviorCanJoinAllSpaces;
}

QByteArray bookmarkData(const std::filesystem::path& path) {
    @autoreleasepool {
        NSURL* url = [NSURL fileURLWithPath:[NSString stringWithUTF8String:path.c_str()]];
        NSError* error = nil;
        NSData* data = [url bookmarkDataWithOptions:0
                     includingResourceValuesForKeys:nil
                                      relativeToURL:nil
                                              error:&error];
        if (!data) {
            return {};
        }
        return QByteArray(static_cast<const char*>(data.bytes),
                          static_cast<qsizetype>(data.length));
    }
}

std::optional<std::filesystem::path> resolveBookmark(const QByteArray& bookmark) {
    if (bookmark.isEmpty()) {
        return std::nullopt;
    }
    @autoreleasepool {
        NSData* data = [NSData dataWithBytes:bookmark.constData()
                                      length:static_cast<NSUInteger>(bookmark.size())];
        BOOL stale = NO;
        NSError* error = nil;
        NSURL* url = [NSURL URLByResolvingBookmarkData:data
                                               options:NSURLBookmarkResolutionWithoutUI
                                         relativeToURL:nil
                                   bookmarkDataIsStale:&stale
                                                 error:&error];
        if (!url || !url.fileURL) {
            return std::nullopt;
        }
        return std::filesystem::path(url.path.fileSystemRepresentation);
    }
}

} // namespace cuevox::platform::macos
