#include "importing/XMLLibraryReader.hpp"

#include "importing/CollectionParserDelegate.hpp"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <expat.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace cuevox::importing {
namespace {

constexpr std::size_t kChunkSize = std::size_t{1} << 20;
constexpr std::size_t kLargestChunkSize = std::size_t{256} << 20;

struct ParseContext {
    XML_Parser parser;
    CollectionParserDelegate delegate;
    std::vector<TrackAttribute> attributes;
    // An exception must never unwind through Expat's C frames; it waits here instead.
    std::exception_ptr failure;
    std::optional<RekordboxXMLError> refusal;
    std::size_t elementEvents = 0;
};

// Where the parser stands, as people count.
RekordboxXMLError::Place position(XML_Parser parser) {
    // Expat counts columns from 0.
    return {XML_GetCurrentLineNumber(parser), XML_GetCurrentColumnNumber(parser) + 1};
}

void XMLCALL onStartElement(void* userData, const XML_Char* name, const XML_Char** attributes) {
    auto& context = *static_cast<ParseContext*>(userData);
    ++context.elementEvents;
    try {
        context.attributes.clear();
        for (const XML_Char** attribute = attributes; attribute[0] != nullptr; attribute += 2) {
            context.attributes.push_back({attribute[0], attribute[1]});
        }
        context.delegate.startElement(name, context.attributes);
        if (const std::optional<std::string>& refusal = context.delegate.refusal()) {
            context.refusal = RekordboxXMLError::malformedXML(*refusal, position(context.parser));
            XML_StopParser(context.parser, XML_FALSE);
        }
    } catch (...) {
        context.failure = std::current_exception();
        XML_StopParser(context.parser, XML_FALSE);
    }
}

void XMLCALL onEndElement(void* userData, const XML_Char* name) {
    auto& context = *static_cast<ParseContext*>(userData);
    ++context.elementEvents;
    try {
        context.delegate.endElement(name);
    } catch (...) {
        context.failure = std::current_exception();
        XML_StopParser(context.parser, XML_FALSE);
    }
}

RekordboxXMLError describeError(XML_Parser parser) {
    const XML_Error code = XML_GetErrorCode(parser);
    const XML_LChar* text = XML_ErrorString(code);
    if (code == XML_ERROR_NONE || text == nullptr) {
        return RekordboxXMLError::malformedXML("unknown XML parse error");
    }
    return RekordboxXMLError::malformedXML(text, position(parser));
}

struct ParserDeleter {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

// One parse of one document. No namespace processing and no external entity handler: prefixes
// stay in names and no external entity is ever loaded. Expat's amplification limits stay at
// their defaults.
class ParseSession {
public:
    ParseSession(std::size_t documentSize, const LibraryReadOptions& options)
        : m_parser(XML_ParserCreate(nullptr)), m_context{m_parser.get(),
                                                         CollectionParserDelegate(
                                                             documentSize, options.keyNotation),
                                                         {},
                                                         nullptr,
                                                         {}} {
        if (!m_parser) {
            throw std::bad_alloc();
        }
        XML_SetUserData(m_parser.get(), &m_context);
        XML_SetElementHandler(m_parser.get(), onStartElement, onEndElement);
    }
    ParseSession(const ParseSession&) = delete;
    ParseSession& operator=(const ParseSession&) = delete;

    // How many bytes to hand to the parser next.
    std::size_t chunkSize() const { return m_chunkSize; }

    // Expat's own buffer for the next chunk, so bytes read from a file are not copied once
    // more; shorter than chunkSize() when Expat cannot hold that much beside an unfinished token.
    std::span<char> buffer() {
        for (std::size_t length = m_chunkSize;; length /= 2) {
            if (void* buffer = XML_GetBuffer(m_parser.get(), static_cast<int>(length))) {
                return {static_cast<char*>(buffer), length};
            }
            if (length <= kChunkSize) {
                throw std::bad_alloc();
            }
        }
    }

    tl::expected<void, RekordboxXMLError> parseBuffer(std::size_t length, bool last) {
        return finish(
            XML_ParseBuffer(m_parser.get(), static_cast<int>(length), last ? XML_TRUE : XML_FALSE));
    }

    tl::expected<void, RekordboxXMLError> parse(std::string_view bytes, bool last) {
        return finish(XML_Parse(m_parser.get(), bytes.data(), static_cast<int>(bytes.size()),
                                last ? XML_TRUE : XML_FALSE));
    }

    metadata::RekordboxLibrary takeLibrary() {
        return {m_context.delegate.takeTracks(), m_context.delegate.takePlaylists(),
                m_context.delegate.takePlaylistNodes()};
    }

private:
    tl::expected<void, RekordboxXMLError> finish(XML_Status status) {
        // Expat scans an unfinished token (a long attribute value, a comment) again from its
        // start on every call. While calls end without an element, each chunk doubles, so a
        // token's bytes are scanned a few times in all and the time stays linear in the file.
        m_chunkSize = m_context.elementEvents == m_elementEventsBefore
                          ? std::min(2 * m_chunkSize, kLargestChunkSize)
                          : kChunkSize;
        m_elementEventsBefore = m_context.elementEvents;
        if (m_context.failure) {
            std::rethrow_exception(m_context.failure);
        }
        if (m_context.refusal) {
            return tl::unexpected(*m_context.refusal);
        }
        if (status != XML_STATUS_OK) {
            return tl::unexpected(describeError(m_parser.get()));
        }
        return {};
    }

    std::unique_ptr<XML_ParserStruct, ParserDeleter> m_parser;
    ParseContext m_context;
    std::size_t m_chunkSize = kChunkSize;
    std::size_t m_elementEventsBefore = 0;
};

struct FileCloser {
    int fd;
    ~FileCloser() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

LoadError systemError(const std::filesystem::path& path, int error) {
    return LoadError{FileReadError{path.string(), std::error_code(error, std::generic_category())}};
}

LoadError notARegularFile(const std::filesystem::path& path) {
    return LoadError{FileReadError{path.string(), FileReadErrc::notARegularFile}};
}

} // namespace

tl::expected<metadata::RekordboxLibrary, RekordboxXMLError>
XMLLibraryReader::parseLibrary(std::string_view bytes, LibraryReadOptions options) {
    ParseSession session(bytes.size(), options);
    // Expat copies what it is given into a buffer of its own, so a large document goes in
    // pieces rather than being doubled in memory.
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(session.chunkSize(), bytes.size() - offset);
        const bool last = offset + length == bytes.size();
        if (auto parsed = session.parse(bytes.substr(offset, length), last); !parsed) {
            return tl::unexpected(std::move(parsed.error()));
        }
        offset += length;
    } while (offset < bytes.size());
    return session.takeLibrary();
}

tl::expected<std::vector<metadata::Track>, RekordboxXMLError>
XMLLibraryReader::parseTracks(std::string_view bytes, LibraryReadOptions options) {
    return parseLibrary(bytes, options).transform([](metadata::RekordboxLibrary&& library) {
        return std::move(library.tracks);
    });
}

tl::expected<metadata::RekordboxLibrary, LoadError>
XMLLibraryReader::loadLibrary(std::stop_token stop, const ReadProgress& progress) const {
    struct stat status {};
    if (::stat(m_filePath.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return tl::unexpected(LoadError{RekordboxXMLError::fileNotFound(m_filePath.string())});
        }
        return tl::unexpected(systemError(m_filePath, errno));
    }
    // A FIFO, device or socket may block the open or never end; such files are not opened,
    // and what the path names by the time of the open is checked again on the descriptor, which
    // O_NONBLOCK keeps from waiting for a FIFO's writer.
    if (!S_ISREG(status.st_mode)) {
        return tl::unexpected(notARegularFile(m_filePath));
    }
    const FileCloser file{::open(m_filePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
    if (file.fd < 0) {
        return tl::unexpected(systemError(m_filePath, errno));
    }
    if (::fstat(file.fd, &status) != 0) {
        return tl::unexpected(systemError(m_filePath, errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return tl::unexpected(notARegularFile(m_filePath));
    }
    const int flags = ::fcntl(file.fd, F_GETFL);
    if (flags < 0 || ::fcntl(file.fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return tl::unexpected(systemError(m_filePath, errno));
    }
    const std::size_t documentSize = static_cast<std::size_t>(std::max<off_t>(status.st_size, 0));
    // The whole file is read once, front to back. macOS has no posix_fadvise; its read-ahead
    // is on by default, and asked for all the same.
#if defined(POSIX_FADV_SEQUENTIAL)
    ::posix_fadvise(file.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#elif defined(F_RDAHEAD)
    ::fcntl(file.fd, F_RDAHEAD, 1);
#endif

    // Straight from the file into Expat's buffer: the document is never held whole.
    ParseSession session(documentSize, m_options);
    std::uint64_t bytesRead = 0;
    for (;;) {
        if (stop.stop_requested()) {
            return tl::unexpected(systemError(m_filePath, ECANCELED));
        }
        const std::span<char> buffer = session.buffer();
        const ssize_t count = ::read(file.fd, buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return tl::unexpected(systemError(m_filePath, errno));
        }
        const bool last = count == 0;
        if (auto parsed = session.parseBuffer(static_cast<std::size_t>(count), last); !parsed) {
            return tl::unexpected(LoadError{std::move(parsed.error())});
        }
        bytesRead += static_cast<std::uint64_t>(count);
        if (progress) {
            progress(bytesRead, documentSize);
        }
        if (last) {
            break;
        }
    }
    return session.takeLibrary();
}

tl::expected<std::vector<metadata::Track>, LoadError> XMLLibraryReader::loadTracks() const {
    return loadLibrary().transform(
        [](metadata::RekordboxLibrary&& library) { return std::move(library.tracks); });
}

} // namespace cuevox::importing
