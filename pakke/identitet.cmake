# Who publishes the package and under which name software centres know it.
# Change these together when the project gets its public home.
set(DAGBOG_APPID "io.github.dagbog.Dagbog")
set(DAGBOG_VEDLIGEHOLDER_NAVN "Dagbog-udviklerne")
set(DAGBOG_VEDLIGEHOLDER_POST "dagbog@example.org")
# The date of the release named by the project's version.
set(DAGBOG_UDGIVET "2026-12-10")
