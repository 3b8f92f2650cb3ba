// The statements that create the catalog's tables and indexes.
#include "catalog/store/CatalogSchema.h"

namespace kinshelf::schema {

const std::array<std::string_view, 7> kCreateStatements{
    "CREATE TABLE General (\r\n"
    "keyStr Text PRIMARY KEY NOT NULL UNIQUE COLLATE NOCASE,\r\n"
    "ValueStr Text COLLATE NOCASE);",

    "CREATE INDEX General_Key ON General (keyStr);",

    "CREATE TABLE Exclude (\r\n"
    "Dir Text PRIMARY KEY NOT NULL UNIQUE COLLATE NOCASE);",

    "CREATE TABLE Files (\r\n"
    "FileID integer PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE,\r\n"
    "Type integer DEFAULT 0,\r\n"
    "FileVer text COLLATE NOCASE,\r\n"
    "Drive text COLLATE NOCASE,\r\n"
    "Name text COLLATE NOCASE,\r\n"
    "Path text COLLATE NOCASE,\r\n"
    "Size integer DEFAULT 0,\r\n"
    "Inds integer DEFAULT 0,\r\n"
    "Fams integer DEFAULT 0,\r\n"
    "TmpFlag integer DEFAULT 0,\r\n"
    "Bookmark integer DEFAULT 0,\r\n"
    "crc32 integer DEFAULT 0,\r\n"
    "FCreate float (10,10),\r\n"
    "FLastMod float (10,10),\r\n"
    "UpdateDate float (10,10));",

    "CREATE TABLE Persons (\r\n"
    "PersonID integer PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE,\r\n"
    "FileID integer DEFAULT 0,\r\n"
    "RIN text COLLATE NOCASE,\r\n"
    "Surname text COLLATE NOCASE,\r\n"
    "Given text COLLATE NOCASE,\r\n"
    "BirthDate text COLLATE NOCASE,\r\n"
    "BirthDSort integer DEFAULT 0,\r\n"
    "DeathDate text COLLATE NOCASE,\r\n"
    "DeathDSort integer DEFAULT 0,\r\n"
    "Gender integer DEFAULT 0);",

    "CREATE INDEX Persons_surname ON Persons (Surname);",

    "CREATE INDEX Persons_given ON Persons (given);",
};

}  // namespace kinshelf::schema
