# What the About window and the Windows version resource say about the product and its maker. A
# distributor sets the real web site and contact address at configure time; the defaults live under
# the reserved .example domain. Every value lands in a generated header, product_info.h, which C++
# and the resource script read alike.
set(EMBERVEIL_SITE_URL "https://lumencrest.example/" CACHE STRING
    "The maker's web site: shown in the About window, whose link opens its home page")
set(EMBERVEIL_CONTACT_ADDRESS "contact@lumencrest.example" CACHE STRING
    "The maker's contact e-mail address, shown in the About window")

# The texts go into C string literals and, on Windows, through the ANSI calls: printable ASCII
# without quotes or backslashes reads the same in every code page and in UTF-8.
if(EMBERVEIL_SITE_URL MATCHES "\\\\" OR
   NOT EMBERVEIL_SITE_URL MATCHES "^(https://[a-zA-Z0-9.-]+(:[0-9]+)?)(/[!#-~]*)?$")
    message(FATAL_ERROR "EMBERVEIL_SITE_URL must be an https address, not \"${EMBERVEIL_SITE_URL}\"")
endif()
set(EMBERVEIL_ABOUT_LINK "${CMAKE_MATCH_1}/?utm_source=About")
if(NOT EMBERVEIL_CONTACT_ADDRESS MATCHES "^[a-zA-Z0-9._%+-]+@[a-zA-Z0-9.-]+$")
    message(FATAL_ERROR "EMBERVEIL_CONTACT_ADDRESS must be an e-mail address, "
                        "not \"${EMBERVEIL_CONTACT_ADDRESS}\"")
endif()

set(EMBERVEIL_GENERATED_DIR "${CMAKE_BINARY_DIR}/generated")
configure_file("${CMAKE_CURRENT_LIST_DIR}/product_info.h.in"
               "${EMBERVEIL_GENERATED_DIR}/product_info.h" @ONLY)

add_library(emberveil_product_info INTERFACE)
target_include_directories(emberveil_product_info INTERFACE "${EMBERVEIL_GENERATED_DIR}"
                           "${PROJECT_SOURCE_DIR}")
