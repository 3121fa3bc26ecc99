# SPDX-License-Identifier: MIT
# The Debian archives this machine's apt already uses, so that a machine
# behind another mirror keeps using it. Sourced by the set-up scripts.

# debian_sources TYPE CODENAME: one-line sources of TYPE (deb, deb-src) for
# release CODENAME, one a suite and component of this machine's own release
# (bookworm, bookworm-updates, bookworm-security ... become trixie, ...).
debian_sources() {
    local type="$1" codename="$2" here
    here="$(. /etc/os-release && echo "$VERSION_CODENAME")"
    # shellcheck disable=SC2016 # apt's own placeholders
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
        awk -v here="$here" -v there="$codename" -v type="$type" '
            $2 == here || index($2, here "-") == 1 {
                line = type " " $1 " " there substr($2, length(here) + 1) " " $3
                if (!(line in seen)) { seen[line] = 1; print line }
            }'
}
