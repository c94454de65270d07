// Anchor of the panel_core library; its pieces add their own sources.
