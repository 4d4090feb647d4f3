#!/usr/bin/env bash
# Includes follow the folder tree: a file under src/<folder>/ may include headers of
# its own folder and of folders below it in LAYERS, never above. The few places where
# a lower layer must name a higher one are listed in ALLOWED as "file -> header"
# ("file -> *" for the lists of every type). Prints each upward include with its file
# and line and exits 1 when there is one.
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"

# Lowest first.
LAYERS=(core platform prefabs script graphics input physics audio animation particles game editor app)

ALLOWED=(
  # GameObject("Name") instances a prefab.
  "core/GameObject.cpp -> prefabs/PrefabManager.h"
  # An object's spatial accessors read its position component or its body.
  "core/GameObject.cpp -> graphics/Pos2dComponent.h"
  "core/GameObject.cpp -> physics/B2BodyComponent.h"
  # The shortcut table names every hot type.
  "core/IComponentShortcuts.cpp -> *"
)

rank() {
  local i
  for i in "${!LAYERS[@]}"; do
    [ "${LAYERS[$i]}" = "$1" ] && { echo "$i"; return; }
  done
  echo -1
}

allowed() {
  local entry
  for entry in "${ALLOWED[@]}"; do
    [ "$entry" = "$1 -> $2" ] || [ "$entry" = "$1 -> *" ] && return 0
  done
  return 1
}

status=0
while IFS=: read -r file line text; do
  rel="${file#"$src"/}"
  folder="${rel%%/*}"
  header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$text")
  target="${header%%/*}"
  [ "$target" != "$header" ] || continue
  from=$(rank "$folder")
  to=$(rank "$target")
  if [ "$from" -lt 0 ]; then
    echo "$rel:$line: folder \"$folder\" has no place in the layers of scripts/check-layers.sh"
    status=1
  elif [ "$to" -gt "$from" ] && ! allowed "$rel" "$header"; then
    echo "$rel:$line: \"$header\" is above \"$folder\" in the layers; include downwards only, or list it in ALLOWED"
    status=1
  fi
done < <(grep -rn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$src" --include='*.h' --include='*.cpp' | sort)

# No include circle may pass through input/ or the editor.
if ! circles=$(python3 "$(dirname "$0")/include-circles.py" "$src"); then
  echo "$circles" | grep '^NOT ALLOWED'
  status=1
fi

if [ "$status" -eq 0 ]; then
  echo "layers: every include in $src points downwards or is allowed, and no circle passes through input/ or the editor"
fi
exit "$status"
