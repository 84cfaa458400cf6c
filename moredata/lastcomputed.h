#pragma once
// The last value computed together with everything it was computed from: asked again with an
// equal key, it is given back instead of computed anew. The key must hold every input of the
// computation, so that the value given back is always the one computing would give.

#include <optional>
#include <utility>

template <typename Key, typename Value>
class TLastComputed {
public:
    // The value of key, compute() when it is not the last one's. A compute() that throws
    // leaves the last value, still right for its own key.
    template <typename Compute>
    const Value& get(const Key& key, Compute compute)
    {
        if (!FLast || !(FLast->first == key))
            FLast.emplace(key, compute());
        return FLast->second;
    }

private:
    std::optional<std::pair<Key, Value>> FLast;
};
