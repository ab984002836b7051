# What ./play does for a player, in pieces that ./test checks. Sourced by both.
#
# The player's build: the games and their data alone, in build-play/ beside the test builds. It
# refuses GoogleTest and Google Benchmark even where they are installed, so that it builds the same
# way on a machine with the games' packages alone; ./test builds both games this way.
PLAY_BUILD_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-play"

# build_games GAME...: configures build-play/ and builds the games named; each is laid out ready to
# run in build-play/game/GAME/.
build_games() {
    echo "== Building $* in build-play/ (the first build takes a while)"
    cmake -S "$PLAY_BUILD_DIR/.." -B "$PLAY_BUILD_DIR" --log-level=NOTICE --no-warn-unused-cli -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DGAMES_ONLY=ON -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON &&
        cmake --build "$PLAY_BUILD_DIR" -j"$(nproc)" --target "$@"
}

# fill_game_folder SHIPPED FOLDER PROGRAM: lays the files of the ready-to-run folder SHIPPED, all
# but the program, into the player's game folder FOLDER. Each is replaced whole (written beside,
# then renamed), so that a game already running from the folder keeps reading the file it opened.
# The statistics are the player's: they are laid there only when the folder has none. Files that
# an earlier call laid there and the build no longer ships are removed; the list of what was laid
# is kept in the folder (.shipped). Any file name will do, spaces and line breaks included.
fill_game_folder() {
    local shipped=$1 folder=$2 program=$3 file
    local -a files=()
    local -A ships=()
    while IFS= read -r -d '' file; do
        files+=("$file")
        ships["$file"]=1
    done < <(cd "$shipped" && find . -type f ! -path "./$program" ! -path ./stat.txt -print0 | sort -z)
    mkdir -p "$folder"
    if [ -f "$folder/.shipped" ]; then
        while IFS= read -r -d '' file; do
            # Only what the list can name: paths inside the folder.
            [[ $file == ./* && $file != */../* ]] || continue
            [ -n "${ships["$file"]:-}" ] || rm -f "$folder/$file"
        done <"$folder/.shipped"
    fi
    for file in "${files[@]}"; do
        mkdir -p "$(dirname "$folder/$file")"
        cp "$shipped/$file" "$folder/$file.new"
        mv -f "$folder/$file.new" "$folder/$file"
    done
    printf '%s\0' "${files[@]}" >"$folder/.shipped"
    if [ -f "$shipped/stat.txt" ] && [ ! -e "$folder/stat.txt" ]; then
        cp "$shipped/stat.txt" "$folder/stat.txt"
    fi
}
