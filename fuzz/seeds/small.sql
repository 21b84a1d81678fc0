-- The fuzzer's second seed beside the shipped database: small but valid. Two targets, the
-- nearest and the farthest, one named with an apostrophe; fighters for every wave roll, one roll
-- with five of them and escort marks; gunnery rows for a few guns.
CREATE TABLE Targets (TargetName TEXT, ZoneCount INTEGER, TargetType TEXT, HeavyFlak INTEGER,
  "2Mod" INTEGER, "3Mod" INTEGER, "4Mod" INTEGER, "5Mod" INTEGER, "6Mod" INTEGER, "7Mod" INTEGER,
  "8Mod" INTEGER,
  "2Ter" TEXT, "3Ter" TEXT, "4Ter" TEXT, "5Ter" TEXT, "6Ter" TEXT, "7Ter" TEXT, "8Ter" TEXT);
INSERT INTO Targets VALUES
    ('Kiel', 2, 'Naval Base', 0, 1, NULL, NULL, NULL, NULL, NULL, NULL,
     'Water', NULL, NULL, NULL, NULL, NULL, NULL),
    ('Lorient''s Pens', 8, 'U-Boat Pens', -1, -1, 0, 1, 2, 3, 4, 5,
     'Water', 'Land', 'Land', 'Land', 'Water', 'Land', 'Land');

CREATE TABLE WaveSelection (Roll INTEGER, Type TEXT, Position INTEGER, Special TEXT);
INSERT INTO WaveSelection VALUES
    (11, 'Me109', 1, NULL), (12, 'Me110', 8, NULL), (12, 'FW190', 15, NULL), (13, 'Me109', 2, NULL),
    (14, 'Me110', 9, NULL), (14, 'FW190', 16, NULL), (15, 'Me109', 3, NULL), (21, 'Me110', 10, NULL),
    (22, 'FW190', 17, NULL), (22, 'Me109', 4, NULL), (23, 'Me110', 11, NULL), (24, 'FW190', 18, NULL),
    (24, 'Me109', 5, NULL), (25, 'Me110', 12, NULL), (31, 'FW190', 19, NULL), (32, 'Me109', 6, NULL),
    (32, 'Me110', 13, NULL), (33, 'FW190', 20, NULL), (34, 'Me109', 7, NULL), (34, 'Me110', 14, NULL),
    (35, 'FW190', 1, NULL), (41, 'Me109', 8, NULL), (42, 'Me110', 15, NULL), (42, 'FW190', 2, NULL),
    (43, 'Me109', 9, 'B'), (43, 'Me110', 16, 'D'), (43, 'FW190', 3, 'E'), (43, 'Me109', 10, NULL),
    (43, 'Me110', 17, 'B'), (44, 'FW190', 4, NULL), (44, 'Me109', 11, NULL), (45, 'Me110', 18, NULL),
    (51, 'FW190', 5, NULL), (52, 'Me109', 12, NULL), (52, 'Me110', 19, NULL), (53, 'FW190', 6, NULL),
    (54, 'Me109', 13, NULL), (54, 'Me110', 20, NULL), (55, 'FW190', 7, NULL), (61, 'Me109', 14, NULL),
    (62, 'Me110', 1, NULL), (62, 'FW190', 8, NULL), (63, 'Me109', 15, NULL), (64, 'Me110', 2, NULL),
    (64, 'FW190', 9, NULL), (65, 'Me109', 16, NULL);

CREATE TABLE Gunnery (Gun INTEGER, Position INTEGER, Me109 INTEGER, Me110 INTEGER, FW190 INTEGER);
INSERT INTO Gunnery VALUES
    (2, 1, 4, 3, 5), (2, 2, 5, 4, 6), (3, 4, 5, 5, 6), (6, 13, 5, 4, 6),
    (8, 1, 4, 4, 5), (9, 19, 6, 5, 6), (10, 10, 4, 3, 5), (10, 11, 4, 4, 5);
