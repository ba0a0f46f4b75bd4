#include "Collection.hpp"

#include "Output.hpp"
#include "import/XMLLibraryReader.hpp"

namespace cuevox::cli {

std::optional<metadata::RekordboxLibrary> loadCollection(const std::string& file,
                                                         import::LibraryReadOptions options) {
    auto library = import::XMLLibraryReader(file, options).loadLibrary();
    if (!library) {
        printError(library.error().message());
        return std::nullopt;
    }
    return std::move(*library);
}

} // namespace cuevox::cli
