// GNUstep's Foundation with the methods of Apple's that platform/macos calls and GNUstep lacks,
// declared as Apple documents them.
#pragma once

#include_next <Foundation/Foundation.h>

#ifndef NS_RETURNS_INNER_POINTER
#define NS_RETURNS_INNER_POINTER __attribute__((objc_returns_inner_pointer))
#endif

NS_ASSUME_NONNULL_BEGIN

// https://developer.apple.com/documentation/foundation/nsurl/bookmarkcreationoptions
typedef NSUInteger NSURLBookmarkCreationOptions;
typedef NSString* NSURLResourceKey;

@interface NSURL (AppleFileSystemAndBookmarks)
// https://developer.apple.com/documentation/foundation/nsurl/fileurl(withfilesystemrepresentation:isdirectory:relativeto:)
+ (NSURL*)fileURLWithFileSystemRepresentation:(const char*)path
                                  isDirectory:(BOOL)isDir
                                relativeToURL:(nullable NSURL*)baseURL;
// https://developer.apple.com/documentation/foundation/nsurl/filesystemrepresentation
@property(readonly) const char* fileSystemRepresentation NS_RETURNS_INNER_POINTER;
// https://developer.apple.com/documentation/foundation/nsurl/bookmarkdata(options:includingresourcevaluesforkeys:relativeto:)
- (nullable NSData*)bookmarkDataWithOptions:(NSURLBookmarkCreationOptions)options
             includingResourceValuesForKeys:(nullable NSArray<NSURLResourceKey>*)keys
                              relativeToURL:(nullable NSURL*)relativeURL
                                      error:(NSError* _Nullable*)error;
// https://developer.apple.com/documentation/foundation/nsurl/init(resolvingbookmarkdata:options:relativeto:bookmarkdataisstale:)
+ (nullable instancetype)URLByResolvingBookmarkData:(NSData*)bookmarkData
                                            options:(NSURLBookmarkResolutionOptions)options
                                      relativeToURL:(nullable NSURL*)relativeURL
                                bookmarkDataIsStale:(nullable BOOL*)isStale
                                              error:(NSError* _Nullable*)error;
@end

NS_ASSUME_NONNULL_END
