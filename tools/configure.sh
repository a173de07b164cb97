# Sourced by the test scripts: configure BUILD_FOLDER [CMAKE OPTION...] with Ninja,
# or with the generator a folder configured before already has.
configure() {
  local folder=$1 generator=(-G Ninja)
  shift
  [ ! -f "$folder/CMakeCache.txt" ] || generator=()
  cmake -S . -B "$folder" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}
