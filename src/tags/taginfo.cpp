// Tinfotag
