// Gives the loader a view of the word list that the build embedded.
#include <cstddef>

#include "phrase_list.h"

namespace velqora {

extern const unsigned char phraseListData[];
extern const std::size_t phraseListDataSize;

std::string_view builtInPhraseBlock() {
  return {reinterpret_cast<const char*>(phraseListData), phraseListDataSize};
}

}  // namespace velqora
