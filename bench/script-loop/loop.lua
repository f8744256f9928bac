-- The loop of the script benchmark, in Lua (32-bit wrapping as the script language does).
local function loop()
  local sum, text, list = 0, "", {}
  for i = 0, 999999 do
    sum = (sum + i * 3) - (i // 7)
    sum = ((sum + 0x80000000) & 0xFFFFFFFF) - 0x80000000
    if i % 1000 == 0 then
      list[#list + 1] = sum
      text = text .. "x"
    end
  end
  return sum, #list
end
print(loop())
