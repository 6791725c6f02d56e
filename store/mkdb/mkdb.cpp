// Build tool: makes the installed note database from the schema file. An existing database holds the
// user's notes and is never replaced.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SCHEMA.sql DATABASE\n", argv[0]);
        return 2;
    }
    struct stat st;
    if (stat(argv[2], &st) == 0)
        return 0;
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::stringstream schema;
    schema << in.rdbuf();
    const std::string tmp = std::string(argv[2]) + ".new";
    std::remove(tmp.c_str());
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(tmp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot create %s: %s\n", tmp.c_str(), sqlite3_errmsg(db));
        return 1;
    }
    char *error = nullptr;
    const bool ok = sqlite3_exec(db, schema.str().c_str(), nullptr, nullptr, &error) == SQLITE_OK;
    if (!ok)
        std::fprintf(stderr, "schema failed: %s\n", error ? error : "");
    sqlite3_free(error);
    // Checkpoint so the whole database lies in the one file before it is moved into place.
    sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    if (sqlite3_close(db) != SQLITE_OK || !ok)
        return 1;
    std::remove((tmp + "-wal").c_str());
    std::remove((tmp + "-shm").c_str());
    if (std::rename(tmp.c_str(), argv[2]) != 0) {
        std::perror("rename");
        return 1;
    }
    return 0;
}
