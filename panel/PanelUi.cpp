// Anchor of the panel_ui library; its pieces add their own sources.
