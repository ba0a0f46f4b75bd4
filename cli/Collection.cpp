#include "Collection.hpp"

#include "Output.hpp"
#include "importing/XMLLibraryReader.hpp"

namespace cuevox::cli {

std::optional<metadata::RekordboxLibrary> loadCollection(const std::string& file,
                                                         importing::LibraryReadOptions options) {
    auto library = importing::XMLLibraryReader(file, options).loadLibrary();
    if (!library) {
        printError(library.error().message());
        return std::nullopt;
    }
    return std::move(*library);
}

} // namespace cuevox::cli
