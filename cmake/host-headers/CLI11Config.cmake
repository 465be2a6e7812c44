include(${CMAKE_CURRENT_LIST_DIR}/HostHeaders.cmake)
nimbrel_host_header_target(CLI11::CLI11 CLI)
