# The loop of the script benchmark, in Python (32-bit wrapping as the script language does).
def loop():
    total, text, items = 0, "", []
    for i in range(1000000):
        total = (total + i * 3) - i // 7
        total = ((total + 0x80000000) & 0xFFFFFFFF) - 0x80000000
        if i % 1000 == 0:
            items.append(total)
            text += "x"
    return total, len(items)

print(*loop())
