"""What the program shows and sends, as the end-to-end tests expect to see it."""

PROMPT = "是否启动Kestrival？"
RUNNING = "程序已运行"
# The four headers every request carries, in order, for the default URL.
CUSTOMARY = [
    ["Accept", "*/*"],
    ["Referer", "http://www.baidu.com/"],
    ["Accept-Language", "zh-cn"],
    ["User-Agent", "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"],
]
