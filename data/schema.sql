-- The program's database: every table it reads and writes.
--
-- An index the program asks for by NAME on table T is stored as T_NAME,
-- because index names are shared by all tables of one file.
-- A counter key is INTEGER PRIMARY KEY AUTOINCREMENT: numbered by the engine
-- from 1, never reused after its row is deleted.
-- Declared types say how a field is written and read: SMALLINT 16-bit,
-- INTEGER 32-bit, BOOLEAN -1/0, SINGLE and DOUBLE reals, TEXT.

-- The user's options: one row, read and edited in place, never added to.
CREATE TABLE USER (
    OPTION1 TEXT,    -- sound mode "0" to "4"
    OPTION2 TEXT,    -- multiple-choice test mode, "Y" on
    OPTION10 TEXT    -- show the introduction, "Y" on
);
INSERT INTO USER (OPTION1, OPTION2, OPTION10) VALUES ('0', 'Y', 'Y');

-- Lights pictures: a head row per picture, a line row per light.
CREATE TABLE LIGHTHEAD (
    RECORD INTEGER PRIMARY KEY AUTOINCREMENT,
    HINT TEXT,
    TEXT TEXT,
    FOGSIGNAL TEXT,
    DIRECTION SMALLINT   -- 0 still, 1 up, 2 right, 3 down, 4 left
);
CREATE UNIQUE INDEX LIGHTHEAD_PRIMARY ON LIGHTHEAD (RECORD);

CREATE TABLE LIGHTLINE (
    HEADER INTEGER,      -- RECORD of the picture
    COLOUR INTEGER,      -- blue-green-red
    FLASH BOOLEAN,
    XPOS SINGLE,
    YPOS SINGLE,
    SIZE DOUBLE          -- radius
);
CREATE INDEX LIGHTLINE_ALTERNATE ON LIGHTLINE (HEADER);

-- Day-shapes pictures.
CREATE TABLE SHAPEHEAD (
    RECORD INTEGER PRIMARY KEY AUTOINCREMENT,
    HINT TEXT,
    TEXT TEXT,
    FOGSIGNAL TEXT
);
CREATE UNIQUE INDEX SHAPEHEAD_PRIMARY ON SHAPEHEAD (RECORD);

CREATE TABLE SHAPELINE (
    HEADER INTEGER,
    COLOUR INTEGER,      -- written 0, not drawn
    XPOS SINGLE,
    YPOS SINGLE,
    SIZE DOUBLE,
    LISTPTR DOUBLE       -- shape kind
);
CREATE INDEX SHAPELINE_ALTERNATE ON SHAPELINE (HEADER);

-- Buoy pictures.
CREATE TABLE BUOYHEAD (
    RECORD INTEGER PRIMARY KEY AUTOINCREMENT,
    HINT TEXT,
    TEXT TEXT,
    LIGHT TEXT           -- the buoys' light description
);
CREATE UNIQUE INDEX BUOYHEAD_PRIMARY ON BUOYHEAD (RECORD);

CREATE TABLE BUOYLINE (
    HEADER INTEGER,
    XPOS SINGLE,
    YPOS SINGLE,
    SIZE DOUBLE,
    LISTPTR DOUBLE,      -- buoy kind
    TOPMARK DOUBLE       -- -1 with topmark, 0 without
);
CREATE INDEX BUOYLINE_ALTERNATE ON BUOYLINE (HEADER);

-- Sound signals: picture rows (TYPE 0) and sound rows (TYPE 1); RECORD keeps
-- the order in which the rows were added.
CREATE TABLE SOUNDHEAD (
    RECORD INTEGER PRIMARY KEY AUTOINCREMENT,
    HINT TEXT,
    TEXT TEXT,
    EXTRA TEXT
);
CREATE UNIQUE INDEX SOUNDHEAD_PRIMARY ON SOUNDHEAD (RECORD);

CREATE TABLE SOUNDLINE (
    HEADER INTEGER,
    RECORD INTEGER PRIMARY KEY AUTOINCREMENT,
    XPOS SINGLE,
    YPOS SINGLE,
    SIZE DOUBLE,
    LISTPTR DOUBLE,      -- vessel kind or sound kind
    TYPE SMALLINT,
    DURATION DOUBLE,     -- seconds
    NUMBER DOUBLE        -- repetitions
);
CREATE INDEX SOUNDLINE_ALTERNATE ON SOUNDLINE (HEADER);

-- Collision pictures.
CREATE TABLE COLHEAD (
    RECORD INTEGER PRIMARY KEY AUTOINCREMENT,
    HINT TEXT,           -- hint, "~", rule
    TEXT TEXT,
    EXTRA TEXT           -- caption
);
CREATE UNIQUE INDEX COLHEAD_PRIMARY ON COLHEAD (RECORD);

CREATE TABLE COLLINE (
    HEADER INTEGER,
    COLOUR INTEGER,      -- written 0, not drawn
    XPOS SINGLE,
    YPOS SINGLE,
    SIZE DOUBLE,
    LISTPTR DOUBLE       -- element kind
);
CREATE INDEX COLLINE_ALTERNATE ON COLLINE (HEADER);

-- One-way links from a picture (topic TYPEONE, RECORDONE) to a picture of
-- topic TYPETWO. Topics: 1 lights, 2 shapes, 3 buoys, 4 sounds, 5 collisions.
CREATE TABLE LINKS (
    TYPEONE SMALLINT,
    RECORDONE INTEGER,
    TYPETWO INTEGER,
    RECORDTWO INTEGER
);

-- Multiple-choice sets: for picture (TYPE, RECORDONE) the pictures whose
-- answers are offered; ANSWER marks the picture's own row.
CREATE TABLE ALTERNATIVES (
    TYPE SMALLINT,
    RECORDONE INTEGER,
    RECORDTWO INTEGER,
    ANSWER BOOLEAN
);
CREATE INDEX ALTERNATIVES_HEADTYPE ON ALTERNATIVES (TYPE, RECORDONE);
