// Anchor of the board_core library; its pieces add their own sources.
