#pragma once

#include <QString>

#include <optional>

// Shading textures: Word's WdTextureIndex numbers (0 none, 1000 solid, tenths
// of a percent otherwise) and their names in the package (w:shd/@w:val). Only
// the textures the package has a name for are offered.
namespace word::oxml {

bool isKnownTexture(int texture);
QString shdValue(int texture);                           // "clear", "solid", "pct5" ...
std::optional<int> textureFromShd(const QString& value); // inverse; nothing for unknown names

}  // namespace word::oxml
