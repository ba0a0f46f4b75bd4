#pragma once

#include <concepts>
#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>

namespace cuevox::recommendation {

// A provider says how well genre `to` follows genre `from`: 1 the same genre, 0 none at all.
// It must be a pure function of its arguments, free of shared mutable state.
template <typename T>
concept GenreCompatibilityProviding = std::copy_constructible<T> &&
    requires(const T& provider, std::string_view genre) {
    { provider.compatibility(genre, genre) } -> std::convertible_to<double>;
};

// Holds any provider by value. The provider is immutable once wrapped, so copies share it
// safely across threads.
class AnyGenreCompatibility {
public:
    // The copy check comes first: asking whether this type itself is a provider would recurse.
    template <typename Provider>
    requires(!std::same_as<std::remove_cvref_t<Provider>, AnyGenreCompatibility> &&
             GenreCompatibilityProviding<Provider>)
        AnyGenreCompatibility(Provider provider) // NOLINT(google-explicit-constructor): a value
        : m_provider(std::make_shared<const Model<Provider>>(std::move(provider))) {}

    double compatibility(std::string_view from, std::string_view to) const {
        return m_provider->compatibility(from, to);
    }

private:
    struct Concept {
        virtual ~Concept() = default;
        virtual double compatibility(std::string_view from, std::string_view to) const = 0;
    };

    template <typename Provider>
    struct Model final : Concept {
        explicit Model(Provider value) : provider(std::move(value)) {}
        double compatibility(std::string_view from, std::string_view to) const override {
            return provider.compatibility(from, to);
        }
        Provider provider;
    };

    std::shared_ptr<const Concept> m_provider;
};

} // namespace cuevox::recommendation
