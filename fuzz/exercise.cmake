# SPDX-License-Identifier: GPL-3.0-or-later
# The steps the fuzzer runs on each input, also replayed by the tests over the
# inputs it once crashed on (tests/data/fuzz).
add_library(zelvane_photoexercise STATIC
  ${CMAKE_CURRENT_LIST_DIR}/photoexercise.cpp ${CMAKE_CURRENT_LIST_DIR}/photoexercise.h)
target_include_directories(zelvane_photoexercise PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(zelvane_photoexercise PUBLIC zelvane_attrcli zelvane_cardscore zelvane_image)
