// Anchor of the board_ui library; its pieces add their own sources.
