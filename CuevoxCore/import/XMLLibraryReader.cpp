#include "import/XMLLibraryReader.hpp"

#include "import/CollectionParserDelegate.hpp"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <expat.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace cuevox::import {
namespace {

// Expat copies what it is given into a buffer of its own, so the file goes in pieces: a whole
// file at once would double the memory a large collection needs.
constexpr std::size_t kChunkSize = std::size_t{1} << 20;

struct ParseContext {
    XML_Parser parser;
    CollectionParserDelegate delegate;
    std::vector<TrackAttribute> attributes;
    // An exception must never unwind through Expat's C frames; it waits here instead.
    std::exception_ptr failure;
};

void XMLCALL onStartElement(void* userData, const XML_Char* name, const XML_Char** attributes) {
    auto& context = *static_cast<ParseContext*>(userData);
    try {
        context.attributes.clear();
        for (const XML_Char** attribute = attributes; attribute[0] != nullptr; attribute += 2) {
            context.attributes.push_back({attribute[0], attribute[1]});
        }
        context.delegate.startElement(name, context.attributes);
    } catch (...) {
        context.failure = std::current_exception();
        XML_StopParser(context.parser, XML_FALSE);
    }
}

void XMLCALL onEndElement(void* userData, const XML_Char* name) {
    auto& context = *static_cast<ParseContext*>(userData);
    try {
        context.delegate.endElement(name);
    } catch (...) {
        context.failure = std::current_exception();
        XML_StopParser(context.parser, XML_FALSE);
    }
}

std::string describeError(XML_Parser parser) {
    const XML_Error code = XML_GetErrorCode(parser);
    const XML_LChar* text = XML_ErrorString(code);
    if (code == XML_ERROR_NONE || text == nullptr) {
        return "unknown XML parse error";
    }
    // Expat counts columns from 0; people count from 1.
    return std::string(text) + " at line " + std::to_string(XML_GetCurrentLineNumber(parser)) +
           ", column " + std::to_string(XML_GetCurrentColumnNumber(parser) + 1);
}

struct ParserDeleter {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

struct FileCloser {
    int fd;
    ~FileCloser() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

tl::expected<std::string, LoadError> readWholeFile(const std::filesystem::path& path) {
    const auto fail = [&](int error) {
        return tl::unexpected(LoadError{
            FileReadError{path.string(), std::error_code(error, std::generic_category())}});
    };
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return tl::unexpected(LoadError{RekordboxXMLError::fileNotFound(path.string())});
        }
        return fail(errno);
    }
    const FileCloser file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) {
        return fail(errno);
    }
    std::string bytes;
    if (::fstat(file.fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        bytes.resize(static_cast<std::size_t>(status.st_size));
    }
    // Reads into the string sized from the file, and keeps going should the file have grown.
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            bytes.resize(filled + (std::size_t{1} << 16));
        }
        const ssize_t count = ::read(file.fd, bytes.data() + filled, bytes.size() - filled);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        if (count == 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace

tl::expected<metadata::RekordboxLibrary, RekordboxXMLError>
XMLLibraryReader::parseLibrary(std::string_view bytes) {
    // No namespace processing and no external entity handler: prefixes stay in names and no
    // external entity is ever loaded. Expat's amplification limits stay at their defaults.
    const std::unique_ptr<XML_ParserStruct, ParserDeleter> parser(XML_ParserCreate(nullptr));
    if (!parser) {
        throw std::bad_alloc();
    }
    ParseContext context{parser.get(), CollectionParserDelegate(bytes.size()), {}, nullptr};
    XML_SetUserData(parser.get(), &context);
    XML_SetElementHandler(parser.get(), onStartElement, onEndElement);

    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(kChunkSize, bytes.size() - offset);
        const bool last = offset + length == bytes.size();
        const XML_Status status = XML_Parse(parser.get(), bytes.data() + offset,
                                            static_cast<int>(length), last ? XML_TRUE : XML_FALSE);
        if (context.failure) {
            std::rethrow_exception(context.failure);
        }
        if (status != XML_STATUS_OK) {
            return tl::unexpected(RekordboxXMLError::malformedXML(describeError(parser.get())));
        }
        offset += length;
    } while (offset < bytes.size());

    return metadata::RekordboxLibrary{context.delegate.takeTracks(),
                                      context.delegate.takePlaylists()};
}

tl::expected<std::vector<metadata::Track>, RekordboxXMLError>
XMLLibraryReader::parseTracks(std::string_view bytes) {
    return parseLibrary(bytes).transform(
        [](metadata::RekordboxLibrary&& library) { return std::move(library.tracks); });
}

tl::expected<metadata::RekordboxLibrary, LoadError> XMLLibraryReader::loadLibrary() const {
    tl::expected<std::string, LoadError> bytes = readWholeFile(m_filePath);
    if (!bytes) {
        return tl::unexpected(std::move(bytes.error()));
    }
    tl::expected<metadata::RekordboxLibrary, RekordboxXMLError> library = parseLibrary(*bytes);
    if (!library) {
        return tl::unexpected(LoadError{std::move(library.error())});
    }
    return std::move(*library);
}

tl::expected<std::vector<metadata::Track>, LoadError> XMLLibraryReader::loadTracks() const {
    return loadLibrary().transform(
        [](metadata::RekordboxLibrary&& library) { return std::move(library.tracks); });
}

} // namespace cuevox::import
