-- The note database as installed: five pages' tables, each holding the one row ID = 1 with empty
-- content columns. The program only updates that row; it never creates or alters the file.
-- 16 KiB pages keep a large page's content in few overflow pages, so a keystroke's save of a
-- megabyte-sized page writes and syncs less.
PRAGMA page_size = 16384;
PRAGMA journal_mode = WAL;

CREATE TABLE tb_A (ID INTEGER PRIMARY KEY, MondayCon BLOB, TuesdayCon BLOB, WednesdayCon BLOB, ThursdayCon BLOB,
                   FridayCon BLOB, SaturdayCon BLOB, SundayCon BLOB);
CREATE TABLE tb_B (ID INTEGER PRIMARY KEY, MondayCon BLOB, TuesdayCon BLOB, WednesdayCon BLOB, ThursdayCon BLOB,
                   FridayCon BLOB, SaturdayCon BLOB, SundayCon BLOB);
CREATE TABLE tb_C (ID INTEGER PRIMARY KEY, MondayCon BLOB, TuesdayCon BLOB, WednesdayCon BLOB, ThursdayCon BLOB,
                   FridayCon BLOB, SaturdayCon BLOB, SundayCon BLOB);
CREATE TABLE tb_D (ID INTEGER PRIMARY KEY, MondayCon BLOB, TuesdayCon BLOB, WednesdayCon BLOB, ThursdayCon BLOB,
                   FridayCon BLOB, SaturdayCon BLOB, SundayCon BLOB);
CREATE TABLE tb_E (ID INTEGER PRIMARY KEY, MondayCon BLOB, TuesdayCon BLOB, WednesdayCon BLOB, ThursdayCon BLOB,
                   FridayCon BLOB, SaturdayCon BLOB, SundayCon BLOB);

INSERT INTO tb_A (ID, MondayCon, TuesdayCon, WednesdayCon, ThursdayCon, FridayCon, SaturdayCon, SundayCon)
    VALUES (1, x'', x'', x'', x'', x'', x'', x'');
INSERT INTO tb_B SELECT * FROM tb_A;
INSERT INTO tb_C SELECT * FROM tb_A;
INSERT INTO tb_D SELECT * FROM tb_A;
INSERT INTO tb_E SELECT * FROM tb_A;
