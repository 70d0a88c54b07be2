#include "text.h"

namespace taggen {

Text join_texts(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts) size += part.size();
    Text joined;
    joined.reserve(size);
    for (std::string_view part : parts) joined.append(part);
    return joined;
}

}  // namespace taggen
